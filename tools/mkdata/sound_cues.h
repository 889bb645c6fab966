// What a character's other readings say about its Vietnamese sound. The
// Sino-Vietnamese readings, the Cantonese, Korean, Japanese and Mandarin
// ones all descend from Middle Chinese (kTang reconstructs it for common
// characters), so each part of those readings is a cue to a part of the
// Vietnamese one: Cantonese tones keep the old tone classes split by
// voicing, Cantonese and Korean finals keep -p -t -k -m -n -ng. The
// Guangyun's positions name the Middle Chinese sound itself, from which the
// Sino-Vietnamese reading descends most regularly.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "characters.h"

namespace orvik::mkdata {

enum class Cue : std::size_t {
    Cantonese, CantoneseInitial, CantoneseFinal, CantoneseTone, CantoneseCoda,
    Mandarin, MandarinInitial, MandarinFinal, MandarinTone,
    Korean, KoreanInitial, KoreanRhyme,
    Japanese, JapaneseInitial, JapaneseRhyme,
    Tang, TangInitial, TangFinal, TangTone,
    Phonetic,
    McInitial, McOpenness, McDivision, McChongniu, McRhyme, McTone, McPosition,
    Count
};

// The value of each cue; empty where Unihan says nothing.
using SoundCues = std::array<std::string, static_cast<std::size_t>(Cue::Count)>;

// The cues of each Middle Chinese position of the character (a character
// read several ways in the Guangyun has several), or one set without them
// where the Guangyun lacks it.
std::vector<SoundCues> CuesOf(const Ideograph& c);

// Whether the cues say enough to predict from: a Middle Chinese position or
// a Cantonese, Mandarin or Korean reading.
bool Predictable(const SoundCues& cues);

inline const std::string& Get(const SoundCues& cues, Cue cue) { return cues[static_cast<std::size_t>(cue)]; }

}  // namespace orvik::mkdata
