#include "reading_ranking.h"

#include <algorithm>

#include "held_out.h"
#include "sound_cues.h"

namespace orvik::mkdata {

namespace {

bool IsRegular(const std::string& reading, const std::vector<VietSyllable>& regular) {
    const auto s = SplitReading(reading);
    return s && std::find(regular.begin(), regular.end(), *s) != regular.end();
}

void AddUnique(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

}  // namespace

std::vector<std::string> RankedReadings(const Ideograph& c, const std::vector<VietSyllable>& regular) {
    std::vector<std::string> all = c.kanjidicViet;
    for (const auto& reading : c.unihanViet) AddUnique(all, reading);
    std::vector<std::string> ranked;
    for (const auto& r : all)
        if (c.SourcesOf(r) == (kFromUnihan | kFromKanjidic) && IsRegular(r, regular)) AddUnique(ranked, r);
    if (!c.kanjidicViet.empty()) AddUnique(ranked, c.kanjidicViet.front());
    for (const auto& r : all)
        if (IsRegular(r, regular)) AddUnique(ranked, r);
    for (const auto& r : all) AddUnique(ranked, r);
    return ranked;
}

void RankReadings(Characters& chars) {
    const ReadingPredictor predictor(TrainingSet(chars));
    std::vector<std::pair<char32_t, std::vector<std::string>>> ranked;
    for (const auto& [cp, c] : chars.All()) {
        if (!c.HasOwnReading()) continue;
        std::vector<VietSyllable> regular;
        if (!c.positions.empty())
            for (const auto& p : predictor.Predict(CuesOf(c), kRegularReadings)) regular.push_back(p.syllable);
        ranked.emplace_back(cp, RankedReadings(c, regular));
    }
    for (auto& [cp, readings] : ranked) chars.SetReadings(cp, std::move(readings));
    chars.InheritReadings();
}

}  // namespace orvik::mkdata
