#include "middle_chinese.h"

#include <algorithm>

#include "build_error.h"
#include "text_lines.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

constexpr std::size_t kFields = 8;

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::map<char32_t, std::vector<MiddleChinese>> ReadGuangyun(std::string_view table) {
    std::map<char32_t, std::vector<MiddleChinese>> out;
    std::size_t number = 0;
    ForEachLine(table, [&](std::string_view line) {
        ++number;
        const auto f = SplitTabs(line);
        const std::u32string character = CodePoints(f.front());
        if (f.size() != kFields || character.size() != 1 || std::any_of(f.begin(), f.end(), [](auto& s) { return s.empty(); }))
            throw BuildError("Guangyun table, line " + std::to_string(number) + ": not a character and seven fields");
        auto& positions = out[character.front()];
        MiddleChinese position{f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
        if (std::find(positions.begin(), positions.end(), position) == positions.end()) positions.push_back(position);
    });
    if (out.empty()) throw BuildError("the Guangyun table is empty");
    return out;
}

}  // namespace orvik::mkdata
