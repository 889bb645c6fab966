#include "lookup_tables.h"

#include <map>

#include "text_lines.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

std::string Entry(const std::string& key, const std::vector<std::string>& readings) {
    std::string entry = key + ":";
    for (std::size_t i = 0; i < readings.size(); ++i) entry += (i == 0 ? "" : "/") + readings[i];
    return entry + "\\";
}

// The real readings, or the best prediction, marked, where the
// transcription shows it; empty when the character reads as nothing.
std::string ReadingEntry(const std::string& key, const Ideograph& c, const std::vector<std::string>& readings) {
    if (!readings.empty()) return Entry(key, readings);
    if (c.prediction && c.prediction->inReadingTables)
        return Entry(key, {c.prediction->readings.front() + std::string(kPredictedMark)});
    return {};
}

// How a symbol reads in Vietnamese text: the fullwidth forms and the
// ideographic comma and full stop as their ASCII punctuation, the rest as
// themselves. Empty for what an entry cannot hold ("/" and "\\" end it, "-"
// ends an output line).
std::string SymbolReading(char32_t cp) {
    if (cp == U'、') cp = U',';
    if (cp == U'。') cp = U'.';
    if (cp >= 0xFF01 && cp <= 0xFF5E) cp -= 0xFEE0;
    if (cp == U'/' || cp == U'\\' || cp == U'-' || cp < 0x21) return {};
    return Utf8Of(cp);
}

bool IsFiveDigitBmp(char32_t cp) { return cp >= 10000 && cp <= 0xFFFF; }

}  // namespace

std::string Big5Line(const Characters& chars, const std::vector<Big5Symbol>& symbols) {
    std::map<std::uint16_t, char32_t> byCode;
    for (char32_t cp : chars.Big5Set()) byCode[chars.Find(cp)->big5] = cp;
    for (const auto& s : symbols) byCode.emplace(s.big5, s.cp);
    std::string line;
    for (const auto& [big5, cp] : byCode) line += "/" + Hex(big5, 4, false) + std::to_string(cp);
    return line + "/";
}

std::string VariantLine(const Characters& chars) {
    std::string line;
    for (const auto& [cp, c] : chars.All()) {
        if (c.big5 != 0 || !IsFiveDigitBmp(cp)) continue;
        for (char32_t target : c.variants) {
            const Ideograph* t = chars.Find(target);
            if (t == nullptr || t->big5 == 0 || !IsFiveDigitBmp(target)) continue;
            line += std::to_string(target) + std::to_string(cp) + "/";
            break;
        }
    }
    return line;
}

std::string NomLine(const Characters& chars) {
    std::string line;
    for (char32_t cp : chars.NomSet()) line += std::to_string(cp) + "/";
    return line;
}

std::string Big5UniFile(const Characters& chars, const std::vector<Big5Symbol>& symbols) {
    return Big5Line(chars, symbols) + "\r\n" + VariantLine(chars) + "\r\n" + NomLine(chars) + "\r\n";
}

std::string HanReadingTable(const Characters& chars, const std::vector<Big5Symbol>& symbols,
                            const std::set<std::string>& corrected) {
    std::map<std::uint16_t, std::string> byCode;
    for (char32_t cp : chars.Big5Set()) {
        const Ideograph& c = *chars.Find(cp);
        byCode[c.big5] = ReadingEntry(Hex(c.big5, 4, false), c, c.viet);
    }
    for (const auto& s : symbols) {
        const std::string key = Hex(s.big5, 4, false);
        const std::string reading = SymbolReading(s.cp);
        if (!reading.empty() && !corrected.contains(key)) byCode.emplace(s.big5, Entry(key, {reading}));
    }
    std::string line;
    for (const auto& [big5, entry] : byCode) line += entry;
    return line + "\r\n";
}

std::string NomReadingTable(const Characters& chars) {
    std::string line;
    for (const auto& [cp, c] : chars.All()) line += ReadingEntry(Hex(cp, 1, true), c, c.NomOrder());
    return line + "\r\n";
}

std::set<std::string> CorrectedCodes(std::string_view corrections) {
    std::set<std::string> codes;
    ForEachLine(corrections, [&](std::string_view line) {
        const std::string_view from = line.substr(0, line.find('/'));
        const bool code = from.size() == 5 && from.front() == ' ' &&
                          from.find_first_not_of("0123456789abcdef", 1) == std::string_view::npos;
        if (code) codes.emplace(from.substr(1));
    });
    return codes;
}

}  // namespace orvik::mkdata
