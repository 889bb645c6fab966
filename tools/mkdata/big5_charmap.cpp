#include "big5_charmap.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "text_lines.h"

namespace orvik::mkdata {

namespace {

// "/xa1" -> 0xA1; -1 when the text does not start so.
int ByteAt(std::string_view text) {
    if (text.size() < 4 || !text.starts_with("/x")) return -1;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + 4, value, 16);
    return ec == std::errc() && end == text.data() + 4 ? static_cast<int>(value) : -1;
}

}  // namespace

std::vector<Big5Symbol> CharmapEntries(std::string_view charmap) {
    std::vector<Big5Symbol> entries;
    ForEachLine(charmap, [&](std::string_view line) {
        if (!line.starts_with("<U")) return;
        const std::size_t close = line.find('>');
        const std::size_t bytes = line.find("/x");
        if (close == std::string_view::npos || bytes == std::string_view::npos) return;
        unsigned cp = 0;
        const auto [end, ec] = std::from_chars(line.data() + 2, line.data() + close, cp, 16);
        const int lead = ByteAt(line.substr(bytes));
        const int trail = ByteAt(line.substr(bytes + 4));
        if (ec != std::errc() || end != line.data() + close || lead < 0x81 || trail < 0) return;
        entries.push_back({static_cast<std::uint16_t>(lead << 8 | trail), static_cast<char32_t>(cp)});
    });
    return entries;
}

std::vector<Big5Symbol> Big5Symbols(const std::vector<Big5Symbol>& entries, const Characters& chars) {
    std::set<std::uint16_t> codes;
    for (char32_t cp : chars.Big5Set()) codes.insert(chars.Find(cp)->big5);
    std::vector<Big5Symbol> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.big5 < b.big5; });
    std::set<char32_t> seen;
    std::vector<Big5Symbol> symbols;
    for (const auto& e : sorted)
        if (chars.Find(e.cp) == nullptr && !codes.contains(e.big5) && seen.insert(e.cp).second) symbols.push_back(e);
    return symbols;
}

}  // namespace orvik::mkdata
