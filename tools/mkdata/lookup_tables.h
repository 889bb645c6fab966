// The code table big5uni.idx and the reading tables phienam.txt and
// phiennom.txt: one long line each, searched as text by the look-ups.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "big5_charmap.h"
#include "characters.h"

namespace orvik::mkdata {

// Line 1: "/" + Big5 code (lower-case hex) + decimal code point, closed by
// "/", for the ideographs and the symbols, in code order.
std::string Big5Line(const Characters& chars, const std::vector<Big5Symbol>& symbols);
// Line 2: five-digit target + five-digit key + "/", for each BMP character
// without a Big5 code whose variant has one (its page is the target's).
std::string VariantLine(const Characters& chars);
// Line 3: the decimal code point + "/" of every character with a Nôm page.
std::string NomLine(const Characters& chars);
std::string Big5UniFile(const Characters& chars, const std::vector<Big5Symbol>& symbols);

// "a4a4:nhất/nhứt\" for each Big5 character with a reading, in code order.
// A character the transcription reads by its prediction: "a5dd:hòa*\". A
// symbol reads as its ASCII punctuation ("a149:!\") or as itself
// ("a175:「\"), unless the corrections rewrite its code (`corrected`:
// "a141" becomes ","); one the reading table cannot hold ("／") is left out.
std::string HanReadingTable(const Characters& chars, const std::vector<Big5Symbol>& symbols,
                            const std::set<std::string>& corrected);
// "4E00:nhất/nhứt\" for each character with a reading, in code-point order so
// that a four-digit key is met before a five-digit key ending in it;
// predictions marked as in phienam.txt.
std::string NomReadingTable(const Characters& chars);

// The codes a correction list rewrites: the "from" of each pair that is a
// space and four hexadecimal digits (" a141/,").
std::set<std::string> CorrectedCodes(std::string_view corrections);

}  // namespace orvik::mkdata
