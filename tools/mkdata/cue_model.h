// One part of a reading (initial, rhyme, tone or the whole syllable) as the
// sound cues predict it: counts of which value went with which cue values
// in training, one table per combination of cues, combined as a product of
// experts. Each table's estimate is smoothed towards the value's overall
// share, so a rare combination moves the score a little and a common one a
// lot.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "sound_cues.h"

namespace orvik::mkdata {

using CueCombination = std::vector<Cue>;

class CueModel {
public:
    explicit CueModel(std::vector<CueCombination> combinations) : combinations_(std::move(combinations)) {}

    void Add(const SoundCues& cues, const std::string& value, double weight);

    // Log-scores of every value seen in training; higher is likelier.
    std::map<std::string, double> Scores(const SoundCues& cues) const;

    // The log-score of one value, as Scores gives it; a value never seen in
    // training counts as seen once.
    double Score(const SoundCues& cues, const std::string& value) const;

    // The `count` best values, best first (ties by value).
    std::vector<std::string> Best(const SoundCues& cues, std::size_t count) const;

private:
    struct Table {
        std::map<std::string, std::map<std::string, double>> byKey;  // cue values -> value -> weight
        std::map<std::string, double> keyTotals;                     // cue values -> weight
    };
    // The values a table saw with the cues' key and their weight in all;
    // nothing when it never saw the key.
    struct Seen {
        const std::map<std::string, double>* values = nullptr;
        double total = 0;
        double Base() const;  // the term of a value not among them
    };
    Seen SeenWith(std::size_t table, const SoundCues& cues) const;
    double Term(const std::string& value, double weight, double keyTotal) const;
    std::vector<CueCombination> combinations_;
    std::vector<Table> tables_ = std::vector<Table>(combinations_.size());
    std::map<std::string, double> prior_;
    double total_ = 0;
};

// The cue values of a combination joined into one key; empty when a cue of
// it is unknown.
std::string CombinationKey(const SoundCues& cues, const CueCombination& combination);

// The best `count` entries of `scores`, ties broken by key.
std::vector<std::string> BestOf(const std::map<std::string, double>& scores, std::size_t count);

}  // namespace orvik::mkdata
