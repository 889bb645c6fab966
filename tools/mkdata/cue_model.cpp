#include "cue_model.h"

#include <algorithm>
#include <cmath>

namespace orvik::mkdata {

namespace {

// How many observations a table's estimate is worth against the overall share.
constexpr double kSmoothing = 1.0;

}  // namespace

std::string CombinationKey(const SoundCues& cues, const CueCombination& combination) {
    std::string key;
    for (Cue cue : combination) {
        const std::string& value = Get(cues, cue);
        if (value.empty()) return {};
        key += value + "|";
    }
    return key;
}

void CueModel::Add(const SoundCues& cues, const std::string& value, double weight) {
    prior_[value] += weight;
    total_ += weight;
    for (std::size_t i = 0; i < combinations_.size(); ++i) {
        const std::string key = CombinationKey(cues, combinations_[i]);
        if (!key.empty()) tables_[i].byKey[key][value] += weight;
    }
}

// log P(v) + sum over tables of log(smoothed P(v | key) / P(v)). A value the
// table never saw with this key gets the same term as every other such
// value, so only the seen ones are visited.
std::map<std::string, double> CueModel::Scores(const SoundCues& cues) const {
    std::map<std::string, double> scores;
    if (total_ <= 0) return scores;
    for (const auto& [value, weight] : prior_) scores[value] = std::log(weight / total_);
    double unseen = 0;
    for (std::size_t i = 0; i < combinations_.size(); ++i) {
        const auto it = tables_[i].byKey.find(CombinationKey(cues, combinations_[i]));
        if (it == tables_[i].byKey.end()) continue;
        double keyTotal = 0;
        for (const auto& [value, weight] : it->second) keyTotal += weight;
        const double base = std::log(kSmoothing / (keyTotal + kSmoothing));
        unseen += base;
        for (const auto& [value, weight] : it->second) {
            const double share = prior_.at(value) / total_;
            scores[value] += std::log((weight + kSmoothing * share) / (keyTotal + kSmoothing) / share) - base;
        }
    }
    for (auto& [value, score] : scores) score += unseen;
    return scores;
}

std::vector<std::string> CueModel::Best(const SoundCues& cues, std::size_t count) const {
    return BestOf(Scores(cues), count);
}

std::vector<std::string> BestOf(const std::map<std::string, double>& scores, std::size_t count) {
    std::vector<std::pair<std::string, double>> ranked(scores.begin(), scores.end());
    const auto better = [](const auto& a, const auto& b) {
        return a.second > b.second || (a.second == b.second && a.first < b.first);
    };
    count = std::min(count, ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(count), ranked.end(), better);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < count; ++i) out.push_back(ranked[i].first);
    return out;
}

}  // namespace orvik::mkdata
