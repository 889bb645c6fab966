// Predicted readings ship only where the held-out measure says they help:
// in the transcription when the tier's top-1 accuracy is at least 80% (a
// wrong reading there misleads), in the Telex index when its top-3 accuracy
// is at least 60% (the user sees the character and chooses; the second and
// third proposals become keys too).
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "characters.h"
#include "held_out.h"

namespace orvik::mkdata {

inline constexpr double kTranscriptionGate = 0.80;
inline constexpr double kTelexGate = 0.60;

struct PredictionGates {
    std::set<int> transcribed;  // kFrequency tiers (6: none) that passed
    std::set<int> typed;
};

PredictionGates GatesOf(const HeldOutAccuracy& accuracy);

// Gives each Big5 character without any reading, in a tier that passed a
// gate, the prediction of `predictor` (trained on every character with a
// reading of its own). Returns how many characters got one.
std::size_t PredictReadings(Characters& chars, const PredictionGates& gates, const ReadingPredictor& predictor);

// Up to `count` characters of kFrequency 1-3 with a prediction, in the
// fixed-seed random order, each described on one line with its readings and
// sources: the examples the report shows.
std::vector<std::string> PredictionExamples(const Characters& chars, std::size_t count);

}  // namespace orvik::mkdata
