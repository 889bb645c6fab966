#include "lookup_tables.h"

#include "utf8.h"

namespace orvik::mkdata {

namespace {

std::string ReadingEntry(const std::string& key, const Ideograph& c) {
    std::string entry = key + ":";
    for (std::size_t i = 0; i < c.viet.size(); ++i) entry += (i == 0 ? "" : "/") + c.viet[i];
    return entry + "\\";
}

bool IsFiveDigitBmp(char32_t cp) { return cp >= 10000 && cp <= 0xFFFF; }

}  // namespace

std::string Big5Line(const Characters& chars) {
    std::string line;
    for (char32_t cp : chars.Big5Set()) line += "/" + Hex(chars.Find(cp)->big5, 4, false) + std::to_string(cp);
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

std::string Big5UniFile(const Characters& chars) {
    return Big5Line(chars) + "\r\n" + VariantLine(chars) + "\r\n" + NomLine(chars) + "\r\n";
}

std::string HanReadingTable(const Characters& chars) {
    std::string line;
    for (char32_t cp : chars.Big5Set()) {
        const Ideograph& c = *chars.Find(cp);
        if (!c.viet.empty()) line += ReadingEntry(Hex(c.big5, 4, false), c);
    }
    return line + "\r\n";
}

std::string NomReadingTable(const Characters& chars) {
    std::string line;
    for (const auto& [cp, c] : chars.All())
        if (!c.viet.empty()) line += ReadingEntry(Hex(cp, 1, true), c);
    return line + "\r\n";
}

}  // namespace orvik::mkdata
