// Look-ups in the three lines of big5uni.idx and the reading table, and the
// addresses of dictionary pages. Every look-up is a substring search that
// takes only a match starting at an entry's boundary, so a number never
// matches the tail of a longer one or a run across two entries (19968 is not
// found in "/a4401119968/" by 9968, nor "134688/" across the variant
// entries "...13468" and "8...."). The lines' shapes:
//   Big5Line     "/" + four lower-case hex digits of a Big5 code + decimal code point, ..., "/"
//   VariantLine  five-digit target + five-digit key + "/", ...
//   NomLine      decimal code point + "/", ...
//   ReadingLine  key + ":" + readings separated by "/" + "\", ...
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/variant_table.h"

namespace orvik {

// The code point written after "/" + big5 (lower-cased) in `big5Line`.
std::optional<std::int32_t> Big5ToCodePoint(std::u16string_view big5Line, std::u16string_view big5);

// The four characters just before the decimal code point + "/" in `big5Line`.
std::optional<std::u16string> CodePointToBig5(std::u16string_view big5Line, std::int32_t codePoint);

// Where the entry of a code point starts in each line (from 1), or 0: in
// Big5Line the position of its decimal digits, in VariantLine of its key
// digits, in NomLine of its number.
int FindBig5Entry(std::u16string_view big5Line, std::int32_t codePoint);
int FindVariantKey(std::u16string_view variantLine, std::int32_t codePoint);
int FindVariantKey(const VariantTable& variants, std::int32_t codePoint);
int FindNomEntry(std::u16string_view nomLine, std::int32_t codePoint);

// Whether the Han dictionary (hvtdu) has a page for `codePoint`: an
// ideograph Big5Line lists. The Big5 symbols Big5Line also lists have none.
bool HasHanPage(std::u16string_view big5Line, std::int32_t codePoint);
// Whether the Nom dictionary (nomtdu) has a page for it: an ideograph
// NomLine lists.
bool HasNomPage(std::u16string_view nomLine, std::int32_t codePoint);
// Whether the Vietnamese dictionary (tdviet) has the page of a word key: the
// whole key, between "/" and the next "/" or the end, in tdviet.idx's text.
bool HasVietPage(std::u16string_view wordList, std::u16string_view wordKey);

// The target whose page holds `codePoint`: the number in the five characters
// just before the decimal code point + "/" in `variantLine`.
std::optional<std::int32_t> VariantTarget(std::u16string_view variantLine, std::int32_t codePoint);
std::optional<std::int32_t> VariantTarget(const VariantTable& variants, std::int32_t codePoint);

// The first reading of the entry `key` of the reading table: the text after
// key + ":", at most 50 characters, cut before the first "\" and "/".
std::optional<std::u16string> FirstReading(std::u16string_view readingLine, std::u16string_view key);

// Dictionary entry pages, addressed in the help files of the current
// directory.
std::u16string HanPageAddress(std::int32_t codePoint);
std::u16string NomPageAddress(std::int32_t codePoint);
std::u16string VietPageAddress(std::u16string_view wordKey);

}  // namespace orvik
