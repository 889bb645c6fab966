#include "reading_predictor.h"

#include <algorithm>

namespace orvik::mkdata {

namespace {

using enum Cue;

// Which cues are asked about each part. Single cues carry the regular
// correspondences; pairs catch where one language alone is ambiguous
// (Cantonese h- is Vietnamese h- or kh-, Mandarin tells them apart).
// The Middle Chinese initial gives the Vietnamese one almost alone; division
// and openness split the few that fork (見 before division three).
const std::vector<CueCombination> kInitialCues = {
    {McInitial}, {McInitial, McDivision}, {McInitial, McOpenness}, {McInitial, McRhyme},
    {McInitial, McDivision, McOpenness}, {McInitial, MandarinInitial},
    {CantoneseInitial}, {MandarinInitial}, {KoreanInitial}, {TangInitial}, {JapaneseInitial},
    {CantoneseInitial, MandarinInitial}, {CantoneseInitial, KoreanInitial}, {CantoneseInitial, CantoneseTone},
    {CantoneseInitial, MandarinInitial, KoreanInitial}, {TangInitial, CantoneseInitial},
    {TangInitial, MandarinInitial}};
const std::vector<CueCombination> kRhymeCues = {
    {McRhyme}, {McRhyme, McOpenness}, {McRhyme, McOpenness, McDivision}, {McRhyme, McOpenness, McChongniu},
    {McRhyme, McInitial}, {McRhyme, McOpenness, McInitial}, {McRhyme, MandarinFinal}, {McRhyme, CantoneseFinal},
    {CantoneseFinal}, {MandarinFinal}, {KoreanRhyme}, {TangFinal}, {JapaneseRhyme},
    {CantoneseFinal, MandarinFinal}, {CantoneseFinal, KoreanRhyme}, {MandarinFinal, KoreanRhyme},
    {TangFinal, CantoneseFinal}, {TangFinal, KoreanRhyme}, {CantoneseFinal, MandarinFinal, KoreanRhyme},
    {Phonetic, CantoneseFinal}};
// Cantonese tones keep the old tone classes split by voicing; the coda
// tells the entering tone, and the initial the sonorants, whose level tone
// is ngang where an obstruent's is huyền.
// The Middle Chinese tone split by the initial's voicing is the
// Vietnamese tone: 平 of a voiceless initial ngang, of a voiced obstruent
// huyền, and so on.
const std::vector<CueCombination> kToneCues = {
    {McTone}, {McTone, McInitial}, {McTone, McInitial, McRhyme},
    {CantoneseTone}, {CantoneseTone, CantoneseCoda}, {CantoneseTone, CantoneseCoda, CantoneseInitial},
    {MandarinTone}, {TangTone}, {CantoneseTone, MandarinTone}, {TangTone, TangInitial},
    {CantoneseTone, MandarinTone, CantoneseInitial}};
const std::vector<CueCombination> kWholeCues = {
    {McPosition}, {McPosition, Mandarin},
    {Cantonese, Mandarin}, {Cantonese, Korean}, {Cantonese, Mandarin, Korean},
    {Phonetic, Cantonese}, {Tang}, {Cantonese, Tang}};
const CueCombination kSoundsAlike = {Cantonese, Mandarin};

// How much the whole-syllable model counts against the three parts.
constexpr double kWholeWeight = 0.5;
// How many of each part's best values are combined into candidates.
constexpr std::size_t kInitialChoices = 5, kRhymeChoices = 8, kToneChoices = 4;

std::string ToneValue(char tone) { return std::string(1, tone); }

}  // namespace

std::string WholeValue(const VietSyllable& s) { return s.initial + "|" + s.rhyme + "|" + ToneValue(s.tone); }

ReadingPredictor::ReadingPredictor(const std::vector<TrainingCharacter>& training)
    : initial_(kInitialCues), rhyme_(kRhymeCues), tone_(kToneCues), whole_(kWholeCues) {
    // A character's readings share one vote.
    const auto weightOf = [](const TrainingCharacter& c) { return 1.0 / static_cast<double>(c.readings.size()); };
    for (const auto& c : training)
        if (c.cues.size() == 1)
            for (const auto& s : c.readings) Learn(c.cues.front(), c.cp, s, weightOf(c));
    std::vector<std::pair<const TrainingCharacter*, std::vector<const SoundCues*>>> assigned;
    for (const auto& c : training) {
        if (c.cues.size() == 1) continue;
        std::vector<const SoundCues*> best;
        for (const auto& s : c.readings) {
            const auto fits = [&](const SoundCues& a, const SoundCues& b) { return Fit(a, s) < Fit(b, s); };
            best.push_back(&*std::max_element(c.cues.begin(), c.cues.end(), fits));
        }
        assigned.emplace_back(&c, std::move(best));
    }
    for (const auto& [c, best] : assigned)
        for (std::size_t i = 0; i < c->readings.size(); ++i) Learn(*best[i], c->cp, c->readings[i], weightOf(*c));
}

void ReadingPredictor::Learn(const SoundCues& cues, char32_t cp, const VietSyllable& s, double weight) {
    initial_.Add(cues, s.initial, weight);
    rhyme_.Add(cues, s.rhyme, weight);
    tone_.Add(cues, ToneValue(s.tone), weight);
    whole_.Add(cues, WholeValue(s), weight);
    ++pairs_[{s.initial, s.rhyme}];
    const std::string key = CombinationKey(cues, kSoundsAlike);
    if (!key.empty()) soundsAlike_[key].emplace_back(cp, s);
}

// How well one reading fits one set of cues, by its three parts.
double ReadingPredictor::Fit(const SoundCues& cues, const VietSyllable& s) const {
    return initial_.Score(cues, s.initial) + rhyme_.Score(cues, s.rhyme) + tone_.Score(cues, ToneValue(s.tone));
}

std::vector<ScoredReading> ReadingPredictor::Predict(const std::vector<SoundCues>& cues, std::size_t count) const {
    std::map<VietSyllable, double> best;
    for (const auto& one : cues)
        for (const auto& r : PredictOne(one, count)) {
            const auto [it, added] = best.emplace(r.syllable, r.score);
            if (!added) it->second = std::max(it->second, r.score);
        }
    std::vector<ScoredReading> out;
    for (const auto& [s, score] : best) out.push_back({s, score});
    const auto better = [](const ScoredReading& a, const ScoredReading& b) {
        return a.score > b.score || (a.score == b.score && a.syllable < b.syllable);
    };
    std::sort(out.begin(), out.end(), better);
    if (out.size() > count) out.resize(count);
    return out;
}

std::vector<ScoredReading> ReadingPredictor::PredictOne(const SoundCues& cues, std::size_t count) const {
    const auto initials = initial_.Scores(cues);
    const auto rhymes = rhyme_.Scores(cues);
    const auto tones = tone_.Scores(cues);
    std::vector<ScoredReading> candidates;
    for (const auto& initial : BestOf(initials, kInitialChoices)) {
        for (const auto& rhyme : BestOf(rhymes, kRhymeChoices)) {
            if (!pairs_.contains({initial, rhyme})) continue;
            for (const auto& tone : BestOf(tones, kToneChoices)) {
                if (!ToneFitsRhyme(rhyme, tone.front())) continue;
                const VietSyllable s{initial, rhyme, tone.front()};
                const double score = initials.at(initial) + rhymes.at(rhyme) + tones.at(tone) +
                                     kWholeWeight * whole_.Score(cues, WholeValue(s));
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
