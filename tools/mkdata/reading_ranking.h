// The order of a character's readings, which decides what the transcription
// shows and what a page names first. Unihan's kVietnamese serves Nôm as much
// as Hán (帝 has only the native "đấy"), KANJIDIC2 gives the Sino-Vietnamese
// reading first, and the Guangyun tells which readings are regular for the
// character's Middle Chinese sound. First come the readings both sources
// give that are regular, then KANJIDIC2's first, then the other regular
// ones (the likeliest first), then the rest in KANJIDIC2's order, then
// Unihan's. Where KANJIDIC2 lists a character's readings alphabetically
// its order says nothing: its first is not put forward, and the regular
// readings go likeliest first.
#pragma once

#include <string>
#include <vector>

#include "characters.h"
#include "reading_predictor.h"

namespace orvik::mkdata {

// How many of the predictor's best readings count as regular.
inline constexpr std::size_t kRegularReadings = 3;

// The own readings of `c` in that order; `regular` lists the readings the
// character's positions make regular, likeliest first.
std::vector<std::string> RankedReadings(const Ideograph& c, const std::vector<VietSyllable>& regular);

// Ranks every character's own readings with `predictor` (trained on all of
// them), lets the characters without readings inherit again, and puts the
// inherited readings that are regular for the character's own positions
// first.
void RankReadings(Characters& chars, const ReadingPredictor& predictor);

}  // namespace orvik::mkdata
