#include "unihan.h"

#include <algorithm>

#include "build_error.h"
#include "source_files.h"
#include "text_lines.h"
#include "utf8.h"

namespace orvik::mkdata {

void Unihan::LoadDirectory(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("Unihan_") && name.ends_with(".txt.bz2")) files.push_back(entry.path());
    }
    if (files.empty())
        throw BuildError("no Unihan_*.txt.bz2 in " + dir.string() +
                         " (from the Debian package unicode-data; run scripts/ensure-packages)");
    std::sort(files.begin(), files.end());
    for (const auto& file : files) AddText(ReadBz2File(file, "unicode-data"));
}

void Unihan::AddText(std::string_view text) {
    ForEachLine(text, [&](std::string_view line) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (line.empty() || line[0] == '#' || tab2 == std::string_view::npos) return;
        const std::string_view field = line.substr(tab1 + 1, tab2 - tab1 - 1);
        if (!wanted_.contains(field)) return;
        const char32_t cp = ParseCodePoint(line.substr(0, tab1));
        if (cp == 0) return;
        fields_[cp][std::string(field)] = std::string(line.substr(tab2 + 1));
    });
}

std::string_view Unihan::Field(char32_t cp, std::string_view field) const {
    const auto character = fields_.find(cp);
    if (character == fields_.end()) return {};
    const auto value = character->second.find(field);
    return value == character->second.end() ? std::string_view() : std::string_view(value->second);
}

std::vector<char32_t> Unihan::Characters() const {
    std::vector<char32_t> out;
    out.reserve(fields_.size());
    for (const auto& [cp, fields] : fields_) out.push_back(cp);
    return out;
}

std::vector<std::string> Words(std::string_view value) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t end = value.find(' ', start);
        if (end == std::string_view::npos) end = value.size();
        if (end > start) out.emplace_back(value.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

}  // namespace orvik::mkdata
