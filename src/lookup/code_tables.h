// Look-ups in the three lines of big5uni.idx and the reading table, and the
// addresses of dictionary pages. Every look-up is a plain substring search
// that relies on the fixed shapes of the lines:
//   Big5Line     "/" + four lower-case hex digits of a Big5 code + decimal code point, ..., "/"
//   VariantLine  five-digit target + five-digit key + "/", ...
//   NomLine      decimal code point + "/", ...
//   ReadingLine  key + ":" + readings separated by "/" + "\", ...
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// The code point written after "/" + big5 (lower-cased) in `big5Line`.
std::optional<std::int32_t> Big5ToCodePoint(std::u16string_view big5Line, std::u16string_view big5);

// The four characters just before the decimal code point + "/" in `big5Line`.
std::optional<std::u16string> CodePointToBig5(std::u16string_view big5Line, std::int32_t codePoint);

// Whether the decimal code point + "/" occurs in the line: Han membership on
// Big5Line, Nom membership on NomLine.
bool ListsCodePoint(std::u16string_view line, std::int32_t codePoint);

// The target whose page holds `codePoint`: the number in the five characters
// just before the decimal code point + "/" in `variantLine`.
std::optional<std::int32_t> VariantTarget(std::u16string_view variantLine, std::int32_t codePoint);

// The first reading of the entry `key` of the reading table: the text after
// key + ":", at most 50 characters, cut before the first "\" and "/".
std::optional<std::u16string> FirstReading(std::u16string_view readingLine, std::u16string_view key);

// Dictionary entry pages, addressed in the help files of the current
// directory.
std::u16string HanPageAddress(std::int32_t codePoint);
std::u16string NomPageAddress(std::int32_t codePoint);
std::u16string VietPageAddress(std::u16string_view wordKey);

}  // namespace orvik
