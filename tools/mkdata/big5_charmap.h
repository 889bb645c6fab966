// The Big5 codes of the symbols (punctuation, brackets, units, box
// drawing, kana), which Unihan does not list: it gives Big5 codes to
// ideographs only. They come from glibc's charmap (Debian package locales).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "characters.h"

namespace orvik::mkdata {

struct Big5Symbol {
    std::uint16_t big5 = 0;
    char32_t cp = 0;

    bool operator==(const Big5Symbol&) const = default;
};

// The two-byte entries of a charmap file's text ("<UFF0C> /xa1/x41 ..."),
// in the file's order.
std::vector<Big5Symbol> CharmapEntries(std::string_view charmap);

// The entries for characters Unihan does not know, one code per character
// (the first), in Big5 code order.
std::vector<Big5Symbol> Big5Symbols(const std::vector<Big5Symbol>& entries, const Characters& chars);

}  // namespace orvik::mkdata
