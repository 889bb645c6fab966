// The order of a character's readings, which decides what the transcription
// shows and what a page names first. Unihan's kVietnamese serves Nôm as much
// as Hán (帝 has only the native "đấy"), KANJIDIC2 gives the Sino-Vietnamese
// reading first, and the Guangyun tells which readings are regular for the
// character's Middle Chinese sound. First come the readings both sources
// give that are regular, then KANJIDIC2's first, then the other regular
// ones, then the rest; each group in KANJIDIC2's order, then Unihan's.
#pragma once

#include <string>
#include <vector>

#include "characters.h"
#include "reading_predictor.h"

namespace orvik::mkdata {

// How many of the predictor's best readings count as regular.
inline constexpr std::size_t kRegularReadings = 3;

// The own readings of `c` in that order; `regular` lists the readings the
// character's positions make regular.
std::vector<std::string> RankedReadings(const Ideograph& c, const std::vector<VietSyllable>& regular);

// Ranks every character's own readings with a predictor trained on all of
// them, then lets the characters without readings inherit again.
void RankReadings(Characters& chars);

}  // namespace orvik::mkdata
