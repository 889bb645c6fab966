#include "reading_ranking.h"

#include <algorithm>

#include "held_out.h"
#include "keys.h"
#include "sound_cues.h"

namespace orvik::mkdata {

namespace {

// The reading's place among the regular ones; past the end when irregular.
std::size_t RegularRank(const std::string& reading, const std::vector<VietSyllable>& regular) {
    const auto s = SplitReading(reading);
    return s ? static_cast<std::size_t>(std::find(regular.begin(), regular.end(), *s) - regular.begin())
             : regular.size();
}

bool IsRegular(const std::string& reading, const std::vector<VietSyllable>& regular) {
    return RegularRank(reading, regular) < regular.size();
}

// The letters of a reading without its tone, as KANJIDIC2 sorts them.
std::string Letters(const std::string& reading) {
    const auto keys = TelexKeysOf(reading);
    if (!keys) return reading;
    std::string letters = *keys;
    if (!letters.empty() && std::string_view("sfrxj").find(letters.back()) != std::string_view::npos) letters.pop_back();
    return letters;
}

// KANJIDIC2 lists many characters' readings in alphabetical order (会 cối
// hội hụi, 説 duyệt thoát thuế thuyết); there its first is no ranking. Two
// readings fall in that order by chance as often as not (這 giá nghiện), so
// only a longer list tells.
constexpr std::size_t kShortestTellingList = 3;

bool Alphabetical(const std::vector<std::string>& readings) {
    if (readings.size() < kShortestTellingList) return false;
    for (std::size_t i = 1; i < readings.size(); ++i)
        if (Letters(readings[i]) < Letters(readings[i - 1])) return false;
    return true;
}

}  // namespace

std::vector<std::string> RankedReadings(const Ideograph& c, const std::vector<VietSyllable>& regular) {
    std::vector<std::string> all = c.kanjidicViet;
    for (const auto& reading : c.unihanViet) AddUnique(all, reading);
    const bool ordered = !Alphabetical(c.kanjidicViet);
    std::vector<std::string> byRegularity = all;
    std::stable_sort(byRegularity.begin(), byRegularity.end(), [&](const std::string& a, const std::string& b) {
        return RegularRank(a, regular) < RegularRank(b, regular);
    });
    const auto& firstOrder = ordered ? all : byRegularity;
    std::vector<std::string> ranked;
    for (const auto& r : firstOrder)
        if (c.SourcesOf(r) == (kFromUnihan | kFromKanjidic) && IsRegular(r, regular)) AddUnique(ranked, r);
    if (ordered && !c.kanjidicViet.empty()) AddUnique(ranked, c.kanjidicViet.front());
    for (const auto& r : byRegularity)
        if (IsRegular(r, regular)) AddUnique(ranked, r);
    for (const auto& r : all) AddUnique(ranked, r);
    return ranked;
}

namespace {

std::vector<VietSyllable> RegularReadings(const ReadingPredictor& predictor, const Ideograph& c) {
    std::vector<VietSyllable> regular;
    if (!c.positions.empty())
        for (const auto& p : predictor.Predict(CuesOf(c), kRegularReadings)) regular.push_back(p.syllable);
    return regular;
}

void SetAll(Characters& chars, std::vector<std::pair<char32_t, std::vector<std::string>>> readings) {
    for (auto& [cp, list] : readings) chars.SetReadings(cp, std::move(list));
}

}  // namespace

// An inherited list is ranked for the partner's sound; the character's own
// positions put its regular readings first (說 inherits 説's alphabetical
// duyệt, thoát, thuế, thuyết and reads thuyết).
void RankReadings(Characters& chars, const ReadingPredictor& predictor) {
    std::vector<std::pair<char32_t, std::vector<std::string>>> ranked;
    for (const auto& [cp, c] : chars.All())
        if (c.HasOwnReading()) ranked.emplace_back(cp, RankedReadings(c, RegularReadings(predictor, c)));
    SetAll(chars, std::move(ranked));
    chars.InheritReadings();
    std::vector<std::pair<char32_t, std::vector<std::string>>> inherited;
    for (const auto& [cp, c] : chars.All()) {
        if (!c.vietInherited || c.positions.empty()) continue;
        const auto regular = RegularReadings(predictor, c);
        std::vector<std::string> list = c.viet;
        std::stable_sort(list.begin(), list.end(), [&](const std::string& a, const std::string& b) {
            return RegularRank(a, regular) < RegularRank(b, regular);
        });
        inherited.emplace_back(cp, std::move(list));
    }
    SetAll(chars, std::move(inherited));
}

}  // namespace orvik::mkdata
