// The index files of the five input modes, from the gathered characters.
#pragma once

#include <vector>

#include "characters.h"
#include "mode_index.h"

namespace orvik::mkdata {

// telexhan.idx: BMP characters with a reading (own or inherited), then Big5
// characters typed by their predicted readings.
BuiltIndex BuildTelexHan(const Characters& chars);
// telenomu.idx: every character with its own reading.
BuiltIndex BuildTelexNom(const Characters& chars);
// UCangJie.idx: the Big5 characters.
BuiltIndex BuildCangJieHan(const Characters& chars);
// NCangJie.idx: the Nôm characters and the Big5 characters.
BuiltIndex BuildCangJieNom(const Characters& chars);
// UPinYin.idx: the Big5 characters.
BuiltIndex BuildPinYin(const Characters& chars);

// The Nôm CangJie source set: Nôm characters, then Big5 ones not among them.
std::vector<char32_t> CangJieNomSet(const Characters& chars);

}  // namespace orvik::mkdata
