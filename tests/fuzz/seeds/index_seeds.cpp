// index_search_fuzz: the first lines of each real index file with the
// directory entries that lead into them, a code to type, and a file cut
// short before its directory line.
#include <algorithm>

#include "seeds.h"

namespace orvik::fuzz::seeds {

namespace {

struct IndexFile {
    std::string_view name;
    bool nomLayout;
};

constexpr IndexFile kIndexFiles[] = {
    {"telexhan.idx", false}, {"telenomu.idx", true}, {"UCangJie.idx", false},
    {"NCangJie.idx", true},  {"UPinYin.idx", false},
};

struct Entry {
    std::string text;  // line number, "!", key, space
    std::string key;
    int line;
};

int LineNumber(std::string_view two) {
    const auto byte = [&](std::size_t i) { return static_cast<int>(static_cast<unsigned char>(two[i])); };
    return (byte(0) - 34) * 96 + (byte(1) - 34);
}

// Entries follow the directory line's leading "!".
std::vector<Entry> DirectoryEntries(const std::string& line) {
    std::vector<Entry> entries;
    for (std::size_t at = 1; at + 3 < line.size();) {
        const std::size_t space = line.find(' ', at + 3);
        if (space == std::string::npos) break;
        entries.push_back({line.substr(at, space + 1 - at), line.substr(at + 3, space - at - 3),
                           LineNumber(std::string_view(line).substr(at, 2))});
        at = space + 1;
    }
    return entries;
}

// Options byte, code, NUL, the index file.
std::string Seed(unsigned options, std::string_view code, std::string_view file) {
    return std::string(1, static_cast<char>(options)) + std::string(code) + '\0' + std::string(file);
}

void FirstLinesSeeds(const SeedWriter& writer, const IndexFile& index, const std::vector<std::string>& lines) {
    const auto directory = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind('!', 0) == 0; });
    if (directory == lines.end()) return;
    const std::vector<Entry> entries = DirectoryEntries(*directory);
    const unsigned options = (index.nomLayout ? 1u : 0u) | 4u;
    for (int kept : {1, 4, 16}) {
        std::string file, listed = "!", code = "zz";
        for (int i = 0; i < kept && lines.begin() + i < directory; ++i) file += lines[static_cast<std::size_t>(i)] + "\r\n";
        for (const Entry& entry : entries)
            if (entry.line < kept) {
                listed += entry.text;
                code = entry.key;
            }
        file += listed + "\r\n";
        const std::string stem = std::string(index.name) + "-" + std::to_string(kept);
        writer.Write(stem, Seed(options, code, file));
        writer.Write(stem + "-nom-table", Seed(options | 2u, code + "x", file));
    }
}

}  // namespace

void IndexSeeds(const DataDir& data, const std::filesystem::path& out) {
    const SeedWriter writer(out, "index_search_fuzz");
    for (const IndexFile& index : kIndexFiles) {
        FirstLinesSeeds(writer, index, data.Lines(index.name));
        const std::string bytes = data.Read(index.name);
        writer.Write(std::string(index.name) + "-cut", Seed(index.nomLayout ? 1u : 0u, "a", bytes.substr(0, 1500)));
    }
}

}  // namespace orvik::fuzz::seeds
