#include "predicted_readings.h"

#include <algorithm>

#include "utf8.h"

namespace orvik::mkdata {

namespace {

constexpr std::size_t kTelexProposals = 3;
constexpr std::size_t kHomophonesNamed = 5;

struct CueLabel {
    Cue cue;
    const char* label;
};

constexpr CueLabel kSourceLabels[] = {
    {Cue::Cantonese, "Quảng Đông"}, {Cue::Mandarin, "Quan thoại"}, {Cue::Korean, "Hàn"},
    {Cue::Japanese, "Nhật (âm On)"}, {Cue::Tang, "Hán trung cổ (kTang)"}};

// The readings a prediction rests on, and the characters with a reading of
// their own that sound the same in Cantonese and Mandarin and read as
// predicted.
std::string SourcesOf(const ReadingPredictor& predictor, const std::vector<SoundCues>& all,
                      const VietSyllable& best) {
    std::string text;
    for (const auto& cues : all)
        if (!Get(cues, Cue::McPosition).empty())
            text += (text.empty() ? "Quảng Vận " : ", ") + Get(cues, Cue::McPosition);
    const SoundCues& cues = all.front();
    for (const auto& [cue, label] : kSourceLabels)
        if (!Get(cues, cue).empty()) text += (text.empty() ? "" : ", ") + std::string(label) + " " + Get(cues, cue);
    std::vector<char32_t> alike = predictor.Homophones(cues, best);
    if (alike.size() > kHomophonesNamed) alike.resize(kHomophonesNamed);
    if (!alike.empty()) text += "; đồng âm " + Utf8Of(std::u32string(alike.begin(), alike.end()));
    return text;
}

}  // namespace

PredictionGates GatesOf(const HeldOutAccuracy& accuracy) {
    PredictionGates gates;
    for (const auto& [tier, measured] : accuracy.byTier) {
        if (measured.characters == 0) continue;
        if (measured.Top1(Part::Whole) >= kTranscriptionGate) gates.transcribed.insert(tier);
        if (measured.Top3(Part::Whole) >= kTelexGate) gates.typed.insert(tier);
    }
    return gates;
}

std::size_t PredictReadings(Characters& chars, const PredictionGates& gates, const ReadingPredictor& predictor) {
    std::size_t predicted = 0;
    for (const auto& [cp, c] : chars.All()) {
        const bool transcribed = gates.transcribed.contains(c.frequencyTier);
        const bool typed = gates.typed.contains(c.frequencyTier);
        // Only the Big5 characters are transcribed and typed by readings.
        if (c.big5 == 0 || !c.viet.empty() || (!transcribed && !typed)) continue;
        const auto cues = CuesOf(c);
        if (!Predictable(cues.front())) continue;
        const auto best = predictor.Predict(cues, typed ? kTelexProposals : 1);
        if (best.empty()) continue;
        Prediction p{{}, SourcesOf(predictor, cues, best.front().syllable), transcribed, typed};
        for (const auto& r : best) p.readings.push_back(ComposeReading(r.syllable));
        chars.SetPrediction(cp, std::move(p));
        ++predicted;
    }
    return predicted;
}

std::vector<std::string> PredictionExamples(const Characters& chars, std::size_t count) {
    std::vector<char32_t> cps;
    for (const auto& [cp, c] : chars.All())
        if (c.prediction && c.frequencyTier <= 3) cps.push_back(cp);
    std::sort(cps.begin(), cps.end(), [](char32_t a, char32_t b) { return RandomOrderKey(a) < RandomOrderKey(b); });
    if (cps.size() > count) cps.resize(count);
    std::vector<std::string> lines;
    for (char32_t cp : cps) {
        const Ideograph& c = *chars.Find(cp);
        std::string readings;
        for (const auto& r : c.prediction->readings) readings += (readings.empty() ? "" : ", ") + r;
        lines.push_back(Utf8Of(cp) + " U+" + Hex(cp, 4, true) + " kFrequency " + std::to_string(c.frequencyTier) +
                        ": " + readings + " <- " + c.prediction->sources);
    }
    return lines;
}

}  // namespace orvik::mkdata
