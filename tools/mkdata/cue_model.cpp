#include "cue_model.h"

#include <algorithm>
#include <cmath>

namespace orvik::mkdata {

namespace {

// How many observations a table's estimate is worth against the overall share.
constexpr double kSmoothing = 1.0;
// A value never seen in training weighs in the prior as one seen once: no
// rarer than the rarest seen one.
constexpr double kUnseenWeight = 1.0;

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
        if (key.empty()) continue;
        tables_[i].byKey[key][value] += weight;
        tables_[i].keyTotals[key] += weight;
    }
}

CueModel::Seen CueModel::SeenWith(std::size_t table, const SoundCues& cues) const {
    const std::string key = CombinationKey(cues, combinations_[table]);
    const auto it = tables_[table].byKey.find(key);
    if (it == tables_[table].byKey.end()) return {};
    return {&it->second, tables_[table].keyTotals.at(key)};
}

double CueModel::Seen::Base() const { return std::log(kSmoothing / (total + kSmoothing)); }

double CueModel::Term(const std::string& value, double weight, double keyTotal) const {
    const double share = prior_.at(value) / total_;
    return std::log((weight + kSmoothing * share) / (keyTotal + kSmoothing) / share);
}

double CueModel::Score(const SoundCues& cues, const std::string& value) const {
    if (total_ <= 0) return 0;
    const auto prior = prior_.find(value);
    const bool known = prior != prior_.end();
    double score = std::log((known ? prior->second : kUnseenWeight) / total_);
    for (std::size_t i = 0; i < combinations_.size(); ++i) {
        const Seen seen = SeenWith(i, cues);
        if (seen.values == nullptr) continue;
        const auto it = known ? seen.values->find(value) : seen.values->end();
        score += it == seen.values->end() ? seen.Base() : Term(value, it->second, seen.total);
    }
    return score;
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
        const Seen seen = SeenWith(i, cues);
        if (seen.values == nullptr) continue;
        unseen += seen.Base();
        for (const auto& [value, weight] : *seen.values) scores[value] += Term(value, weight, seen.total) - seen.Base();
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
