// The code table big5uni.idx and the reading tables phienam.txt and
// phiennom.txt: one long line each, searched as text by the look-ups.
#pragma once

#include <string>

#include "characters.h"

namespace orvik::mkdata {

// Line 1: "/" + Big5 code (lower-case hex) + decimal code point, closed by "/".
std::string Big5Line(const Characters& chars);
// Line 2: five-digit target + five-digit key + "/", for each BMP character
// without a Big5 code whose variant has one (its page is the target's).
std::string VariantLine(const Characters& chars);
// Line 3: the decimal code point + "/" of every character with a Nôm page.
std::string NomLine(const Characters& chars);
std::string Big5UniFile(const Characters& chars);

// "a4a4:nhất/nhứt\" for each Big5 character with a reading.
std::string HanReadingTable(const Characters& chars);
// "4E00:nhất/nhứt\" for each character with a reading, in code-point order so
// that a four-digit key is met before a five-digit key ending in it.
std::string NomReadingTable(const Characters& chars);

}  // namespace orvik::mkdata
