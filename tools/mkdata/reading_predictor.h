// Predicts the Sino-Vietnamese reading of a character from its other
// readings. Trained on the characters that have kVietnamese: one cue model
// each for the initial, the rhyme and the tone, and one for the whole
// syllable (characters that sound alike in Cantonese and Mandarin or Korean
// tend to read alike). A candidate reading is an initial and rhyme seen
// together in training with one of the likely tones that the rhyme can
// carry, scored by all four.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cue_model.h"
#include "sound_cues.h"
#include "viet_syllable.h"

namespace orvik::mkdata {

struct TrainingCharacter {
    char32_t cp = 0;
    SoundCues cues;
    std::vector<VietSyllable> readings;
};

struct ScoredReading {
    VietSyllable syllable;
    double score = 0;
};

class ReadingPredictor {
public:
    explicit ReadingPredictor(const std::vector<TrainingCharacter>& training);

    // The `count` likeliest readings, best first.
    std::vector<ScoredReading> Predict(const SoundCues& cues, std::size_t count) const;

    // The best values of one part on its own, for measuring the parts.
    std::vector<std::string> BestInitials(const SoundCues& cues, std::size_t count) const;
    std::vector<std::string> BestRhymes(const SoundCues& cues, std::size_t count) const;
    std::vector<std::string> BestTones(const SoundCues& cues, std::size_t count) const;

    // Training characters that sound like `cues` in Cantonese and Mandarin
    // and read `syllable`: the homophones a prediction can point to.
    std::vector<char32_t> Homophones(const SoundCues& cues, const VietSyllable& syllable) const;

private:
    CueModel initial_, rhyme_, tone_, whole_;
    std::map<std::pair<std::string, std::string>, int> pairs_;  // initial + rhyme seen together
    std::map<std::string, std::vector<std::pair<char32_t, VietSyllable>>> soundsAlike_;
};

// How a syllable is written as a cue model's value ("c|oa|f").
std::string WholeValue(const VietSyllable& syllable);

}  // namespace orvik::mkdata
