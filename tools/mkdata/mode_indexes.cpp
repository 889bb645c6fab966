#include "mode_indexes.h"

#include <algorithm>

#include "keys.h"

namespace orvik::mkdata {

namespace {

CandidateOrder ByFrequency(const Characters& chars) {
    return [&chars](const std::string&, const std::set<char32_t>& set) {
        std::vector<char32_t> line(set.begin(), set.end());
        chars.SortByFrequency(line);
        return line;
    };
}

// A character typed by its predicted readings has no real one.
const std::vector<std::string>& TypedReadings(const Ideograph& c) {
    return c.viet.empty() && c.prediction ? c.prediction->readings : c.viet;
}

KeyedCharacters TelexKeyed(const Characters& chars, const std::vector<char32_t>& set) {
    KeyedCharacters keyed;
    for (char32_t cp : set) {
        bool any = false;
        for (const auto& reading : TypedReadings(*chars.Find(cp))) {
            const auto keys = TelexKeysOf(reading);
            if (!keys) continue;
            any = true;
            keyed.byCode[*keys].insert(cp);
        }
        if (!any) keyed.unkeyed[cp] = "no reading spelt in Telex letters";
    }
    return keyed;
}

KeyedCharacters CangJieKeyed(const Characters& chars, const std::vector<char32_t>& set) {
    KeyedCharacters keyed;
    for (char32_t cp : set) {
        const auto keys = CangJieKeysOf(chars.Find(cp)->cangjie);
        if (keys.empty()) keyed.unkeyed[cp] = "no CangJie code in Unihan";
        for (const auto& key : keys) keyed.byCode[key].insert(cp);
    }
    return keyed;
}

BuiltIndex CangJieIndex(const Characters& chars, const std::string& file, Layout layout,
                        const std::vector<char32_t>& set) {
    return BuildModeIndex(file, layout, set, CangJieKeyed(chars, set), ByFrequency(chars));
}

}  // namespace

// Characters with a real reading of the key come first, then those typed by
// a prediction, each by frequency.
BuiltIndex BuildTelexHan(const Characters& chars) {
    auto set = chars.HanReadingSet();
    const auto predicted = chars.PredictedTelexSet();
    set.insert(set.end(), predicted.begin(), predicted.end());
    const CandidateOrder order = [&chars](const std::string&, const std::set<char32_t>& keyed) {
        std::vector<char32_t> line(keyed.begin(), keyed.end());
        chars.SortByFrequency(line);
        std::stable_partition(line.begin(), line.end(),
                              [&chars](char32_t cp) { return !chars.Find(cp)->viet.empty(); });
        return line;
    };
    return BuildModeIndex("telexhan.idx", Layout::Han, set, TelexKeyed(chars, set), order);
}

BuiltIndex BuildTelexNom(const Characters& chars) {
    const auto set = chars.NomSet();
    return BuildModeIndex("telenomu.idx", Layout::Nom, set, TelexKeyed(chars, set), ByFrequency(chars));
}

std::vector<char32_t> CangJieNomSet(const Characters& chars) {
    std::vector<char32_t> set = chars.NomSet();
    for (char32_t cp : chars.Big5Set())
        if (!chars.Find(cp)->HasNomReading()) set.push_back(cp);
    return set;
}

BuiltIndex BuildCangJieHan(const Characters& chars) {
    return CangJieIndex(chars, "UCangJie.idx", Layout::Han, chars.Big5Set());
}

BuiltIndex BuildCangJieNom(const Characters& chars) {
    return CangJieIndex(chars, "NCangJie.idx", Layout::Nom, CangJieNomSet(chars));
}

// Characters whose main Mandarin reading is typed as the key come first, so
// the characters dropped from an overlong line are rare secondary readings.
BuiltIndex BuildPinYin(const Characters& chars) {
    const auto set = chars.Big5Set();
    KeyedCharacters keyed;
    for (char32_t cp : set) {
        bool any = false;
        for (const auto& reading : chars.Find(cp)->pinyin) {
            const auto key = PinYinKeyOf(reading);
            if (!key) continue;
            keyed.byCode[*key].insert(cp);
            any = true;
        }
        if (!any) keyed.unkeyed[cp] = "no Mandarin reading in Unihan";
    }
    const auto mainKeyIs = [&chars](char32_t cp, const std::string& key) {
        const auto& mandarin = chars.Find(cp)->mandarin;
        if (mandarin.empty()) return false;
        const auto code = PinYinKeyOf(mandarin.front());
        return code && IndexKeyOf(*code) == key;
    };
    const CandidateOrder order = [&](const std::string& key, const std::set<char32_t>& set) {
        std::vector<char32_t> line(set.begin(), set.end());
        chars.SortByFrequency(line);
        std::stable_partition(line.begin(), line.end(), [&](char32_t cp) { return mainKeyIs(cp, key); });
        return line;
    };
    return BuildModeIndex("UPinYin.idx", Layout::Han, set, keyed, order);
}

}  // namespace orvik::mkdata
