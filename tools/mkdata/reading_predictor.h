// Predicts the Sino-Vietnamese reading of a character from its Middle
// Chinese position and its other readings. Trained on the characters with
// known readings: one cue model each for the initial, the rhyme and the
// tone, and one for the whole syllable (characters of one Guangyun position,
// or that sound alike in Cantonese and Mandarin or Korean, tend to read
// alike). A candidate reading is an initial and rhyme seen together in
// training with one of the likely tones that the rhyme can carry, scored by
// all four; a character of several positions takes each position's best.
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
    std::vector<SoundCues> cues;  // one set per Middle Chinese position
    std::vector<VietSyllable> readings;
};

struct ScoredReading {
    VietSyllable syllable;
    double score = 0;
};

class ReadingPredictor {
public:
    // A character of several positions teaches each reading with the
    // position that the characters of one position say it goes with.
    explicit ReadingPredictor(const std::vector<TrainingCharacter>& training);

    // The `count` likeliest readings, best first.
    std::vector<ScoredReading> Predict(const std::vector<SoundCues>& cues, std::size_t count) const;

    // The best values of one part on its own, for measuring the parts.
    std::vector<std::string> BestInitials(const SoundCues& cues, std::size_t count) const;
    std::vector<std::string> BestRhymes(const SoundCues& cues, std::size_t count) const;
    std::vector<std::string> BestTones(const SoundCues& cues, std::size_t count) const;

    // Training characters that sound like `cues` in Cantonese and Mandarin
    // and read `syllable`: the homophones a prediction can point to.
    std::vector<char32_t> Homophones(const SoundCues& cues, const VietSyllable& syllable) const;

private:
    void Learn(const SoundCues& cues, char32_t cp, const VietSyllable& s, double weight);
    std::vector<ScoredReading> PredictOne(const SoundCues& cues, std::size_t count) const;
    double Fit(const SoundCues& cues, const VietSyllable& s) const;

    CueModel initial_, rhyme_, tone_, whole_;
    std::map<std::pair<std::string, std::string>, int> pairs_;  // initial + rhyme seen together
    std::map<std::string, std::vector<std::pair<char32_t, VietSyllable>>> soundsAlike_;
};

// How a syllable is written as a cue model's value ("c|oa|f").
std::string WholeValue(const VietSyllable& syllable);

}  // namespace orvik::mkdata
