#include "held_out.h"

#include <algorithm>

namespace orvik::mkdata {

namespace {

constexpr std::uint64_t kSeed = 2004;
constexpr std::size_t kTop = 3;

// SplitMix64: the same order on every machine and library, unlike
// std::shuffle.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

template <typename T>
void Count(Hits& hits, const std::vector<T>& ranked, const std::vector<T>& truth) {
    const auto isTrue = [&](const T& v) { return std::find(truth.begin(), truth.end(), v) != truth.end(); };
    if (!ranked.empty() && isTrue(ranked.front())) ++hits.top1;
    const auto end = ranked.begin() + static_cast<std::ptrdiff_t>(std::min(kTop, ranked.size()));
    if (std::any_of(ranked.begin(), end, isTrue)) ++hits.top3;
}

void Measure(TierAccuracy& tier, const ReadingPredictor& predictor, const TrainingCharacter& c,
             const std::vector<VietSyllable>& truth) {
    std::vector<VietSyllable> predicted;
    for (const auto& p : predictor.Predict(c.cues, kTop)) predicted.push_back(p.syllable);
    std::vector<std::string> initials, rhymes, tones;
    for (const auto& s : truth) {
        initials.push_back(s.initial);
        rhymes.push_back(s.rhyme);
        tones.push_back(std::string(1, s.tone));
    }
    ++tier.characters;
    // The parts are measured on the first position's cues.
    const SoundCues& cues = c.cues.front();
    Count(tier.parts[static_cast<std::size_t>(Part::Whole)], predicted, truth);
    Count(tier.parts[static_cast<std::size_t>(Part::Initial)], predictor.BestInitials(cues, kTop), initials);
    Count(tier.parts[static_cast<std::size_t>(Part::Rhyme)], predictor.BestRhymes(cues, kTop), rhymes);
    Count(tier.parts[static_cast<std::size_t>(Part::Tone)], predictor.BestTones(cues, kTop), tones);
}

std::vector<VietSyllable> Syllables(const std::vector<std::string>& readings) {
    std::vector<VietSyllable> out;
    for (const auto& reading : readings) {
        const auto s = SplitReading(reading);
        if (s && std::find(out.begin(), out.end(), *s) == out.end()) out.push_back(*s);
    }
    return out;
}

double Share(std::size_t hits, std::size_t of) {
    return of == 0 ? 0 : static_cast<double>(hits) / static_cast<double>(of);
}

}  // namespace

double TierAccuracy::Top1(Part part) const { return Share(parts[static_cast<std::size_t>(part)].top1, characters); }
double TierAccuracy::Top3(Part part) const { return Share(parts[static_cast<std::size_t>(part)].top3, characters); }

std::uint64_t RandomOrderKey(char32_t cp) { return Mix(cp ^ kSeed); }

std::vector<TrainingCharacter> TrainingSet(const Characters& chars) {
    std::vector<TrainingCharacter> set;
    for (const auto& [cp, c] : chars.All()) {
        if (!c.HasOwnReading()) continue;
        TrainingCharacter t{cp, CuesOf(c), Syllables(c.kanjidicViet.empty() ? c.unihanViet : c.kanjidicViet)};
        if (Predictable(t.cues.front()) && !t.readings.empty()) set.push_back(std::move(t));
    }
    return set;
}

std::pair<std::vector<TrainingCharacter>, std::vector<TrainingCharacter>> HoldOutFifth(
    std::vector<TrainingCharacter> set) {
    std::stable_sort(set.begin(), set.end(),
                     [](const auto& a, const auto& b) { return RandomOrderKey(a.cp) < RandomOrderKey(b.cp); });
    const auto fifth = static_cast<std::ptrdiff_t>(set.size() / 5);
    std::vector<TrainingCharacter> heldOut(set.begin(), set.begin() + fifth);
    std::vector<TrainingCharacter> rest(set.begin() + fifth, set.end());
    return {std::move(heldOut), std::move(rest)};
}

HeldOutAccuracy MeasureHeldOut(const Characters& chars) {
    auto [heldOut, rest] = HoldOutFifth(TrainingSet(chars));
    const ReadingPredictor predictor(rest);
    HeldOutAccuracy result;
    result.trained = rest.size();
    for (const auto& c : heldOut) {
        const Ideograph& ideograph = *chars.Find(c.cp);
        if (ideograph.big5 == 0) continue;
        const auto truth = Syllables(ideograph.viet);
        Measure(result.byTier[ideograph.frequencyTier], predictor, c, truth);
        Measure(result.all, predictor, c, truth);
    }
    return result;
}

}  // namespace orvik::mkdata
