// The predictor measured honestly: a fifth of the characters with a
// reading, chosen by a fixed seed, is held out; the predictor trained on the
// rest proposes their readings, and the proposals are checked against the
// readings KANJIDIC2 and Unihan give, by kFrequency tier, on the characters
// predictions serve: the Big5 ones.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "characters.h"
#include "reading_predictor.h"

namespace orvik::mkdata {

enum class Part : std::size_t { Whole, Initial, Rhyme, Tone, Count };

struct Hits {
    std::size_t top1 = 0, top3 = 0;
};

struct TierAccuracy {
    std::size_t characters = 0;
    std::array<Hits, static_cast<std::size_t>(Part::Count)> parts;

    double Top1(Part part) const;
    double Top3(Part part) const;
};

struct HeldOutAccuracy {
    std::size_t trained = 0;
    std::map<int, TierAccuracy> byTier;  // kFrequency 1-5; 6 for none
    TierAccuracy all;
};

// The characters to learn from: own readings that split into parts (the
// Sino-Vietnamese ones of KANJIDIC2 where it has the character, since
// Unihan's serve Nôm as well), and cues to predict from. In code-point
// order.
std::vector<TrainingCharacter> TrainingSet(const Characters& chars);

// A character's place in the fixed-seed random order.
std::uint64_t RandomOrderKey(char32_t cp);

// Splits `set` into the held-out fifth and the rest, by the fixed seed.
std::pair<std::vector<TrainingCharacter>, std::vector<TrainingCharacter>> HoldOutFifth(
    std::vector<TrainingCharacter> set);

HeldOutAccuracy MeasureHeldOut(const Characters& chars);

}  // namespace orvik::mkdata
