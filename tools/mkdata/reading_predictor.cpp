#include "reading_predictor.h"

#include <algorithm>

namespace orvik::mkdata {

namespace {

using enum Cue;

// Which cues are asked about each part. Single cues carry the regular
// correspondences; pairs catch where one language alone is ambiguous
// (Cantonese h- is Vietnamese h- or kh-, Mandarin tells them apart).
const std::vector<CueCombination> kInitialCues = {
    {CantoneseInitial}, {MandarinInitial}, {KoreanInitial}, {TangInitial}, {JapaneseInitial},
    {CantoneseInitial, MandarinInitial}, {CantoneseInitial, KoreanInitial}, {CantoneseInitial, CantoneseTone},
    {CantoneseInitial, MandarinInitial, KoreanInitial}, {TangInitial, CantoneseInitial},
    {TangInitial, MandarinInitial}};
const std::vector<CueCombination> kRhymeCues = {
    {CantoneseFinal}, {MandarinFinal}, {KoreanRhyme}, {TangFinal}, {JapaneseRhyme},
    {CantoneseFinal, MandarinFinal}, {CantoneseFinal, KoreanRhyme}, {MandarinFinal, KoreanRhyme},
    {TangFinal, CantoneseFinal}, {TangFinal, KoreanRhyme}, {CantoneseFinal, MandarinFinal, KoreanRhyme},
    {Phonetic, CantoneseFinal}};
// Cantonese tones keep the old tone classes split by voicing; the coda
// tells the entering tone, and the initial the sonorants, whose level tone
// is ngang where an obstruent's is huyền.
const std::vector<CueCombination> kToneCues = {
    {CantoneseTone}, {CantoneseTone, CantoneseCoda}, {CantoneseTone, CantoneseCoda, CantoneseInitial},
    {MandarinTone}, {TangTone}, {CantoneseTone, MandarinTone}, {TangTone, TangInitial},
    {CantoneseTone, MandarinTone, CantoneseInitial}};
const std::vector<CueCombination> kWholeCues = {
    {Cantonese, Mandarin}, {Cantonese, Korean}, {Cantonese, Mandarin, Korean},
    {Phonetic, Cantonese}, {Tang}, {Cantonese, Tang}};
const CueCombination kSoundsAlike = {Cantonese, Mandarin};

// How much the whole-syllable model counts against the three parts.
constexpr double kWholeWeight = 0.5;
// How many of each part's best values are combined into candidates.
constexpr std::size_t kInitialChoices = 5, kRhymeChoices = 8, kToneChoices = 4;

std::string ToneValue(char tone) { return std::string(1, tone); }

double ScoreOf(const std::map<std::string, double>& scores, const std::string& value, double missing) {
    const auto it = scores.find(value);
    return it == scores.end() ? missing : it->second;
}

double Lowest(const std::map<std::string, double>& scores) {
    double low = 0;
    for (const auto& [value, score] : scores) low = std::min(low, score);
    return low;
}

}  // namespace

std::string WholeValue(const VietSyllable& s) { return s.initial + "|" + s.rhyme + "|" + ToneValue(s.tone); }

ReadingPredictor::ReadingPredictor(const std::vector<TrainingCharacter>& training)
    : initial_(kInitialCues), rhyme_(kRhymeCues), tone_(kToneCues), whole_(kWholeCues) {
    for (const auto& c : training) {
        // A character's readings share one vote.
        const double weight = 1.0 / static_cast<double>(c.readings.size());
        for (const auto& s : c.readings) {
            initial_.Add(c.cues, s.initial, weight);
            rhyme_.Add(c.cues, s.rhyme, weight);
            tone_.Add(c.cues, ToneValue(s.tone), weight);
            whole_.Add(c.cues, WholeValue(s), weight);
            ++pairs_[{s.initial, s.rhyme}];
            const std::string key = CombinationKey(c.cues, kSoundsAlike);
            if (!key.empty()) soundsAlike_[key].emplace_back(c.cp, s);
        }
    }
}

std::vector<ScoredReading> ReadingPredictor::Predict(const SoundCues& cues, std::size_t count) const {
    const auto initials = initial_.Scores(cues);
    const auto rhymes = rhyme_.Scores(cues);
    const auto tones = tone_.Scores(cues);
    const auto wholes = whole_.Scores(cues);
    const double unseenWhole = Lowest(wholes);
    std::vector<ScoredReading> candidates;
    for (const auto& initial : BestOf(initials, kInitialChoices)) {
        for (const auto& rhyme : BestOf(rhymes, kRhymeChoices)) {
            if (!pairs_.contains({initial, rhyme})) continue;
            for (const auto& tone : BestOf(tones, kToneChoices)) {
                if (!ToneFitsRhyme(rhyme, tone.front())) continue;
                const VietSyllable s{initial, rhyme, tone.front()};
                const double score = initials.at(initial) + rhymes.at(rhyme) + tones.at(tone) +
                                     kWholeWeight * ScoreOf(wholes, WholeValue(s), unseenWhole);
                candidates.push_back({s, score});
            }
        }
    }
    const auto better = [](const ScoredReading& a, const ScoredReading& b) {
        return a.score > b.score || (a.score == b.score && a.syllable < b.syllable);
    };
    std::sort(candidates.begin(), candidates.end(), better);
    if (candidates.size() > count) candidates.resize(count);
    return candidates;
}

std::vector<std::string> ReadingPredictor::BestInitials(const SoundCues& cues, std::size_t count) const {
    return initial_.Best(cues, count);
}

std::vector<std::string> ReadingPredictor::BestRhymes(const SoundCues& cues, std::size_t count) const {
    return rhyme_.Best(cues, count);
}

std::vector<std::string> ReadingPredictor::BestTones(const SoundCues& cues, std::size_t count) const {
    return tone_.Best(cues, count);
}

std::vector<char32_t> ReadingPredictor::Homophones(const SoundCues& cues, const VietSyllable& syllable) const {
    std::vector<char32_t> out;
    const auto it = soundsAlike_.find(CombinationKey(cues, kSoundsAlike));
    if (it == soundsAlike_.end()) return out;
    for (const auto& [cp, s] : it->second)
        if (s == syllable) out.push_back(cp);
    return out;
}

}  // namespace orvik::mkdata
