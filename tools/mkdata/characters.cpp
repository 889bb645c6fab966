#include "characters.h"

#include <algorithm>
#include <charconv>
#include <tuple>

#include "engine/text.h"
#include "tone_style.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

constexpr const char* kVariantFields[] = {"kTraditionalVariant", "kSimplifiedVariant",
                                          "kSemanticVariant", "kZVariant"};

int ParseInt(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() ? value : fallback;
}

std::string LowerReading(const std::string& reading) {
    return NewStyleTone(U16ToUtf8(LCase(Utf8ToU16(reading))));
}

// "yī(32747) yí(12)" -> 32759.
long PinluTotal(std::string_view value) {
    long total = 0;
    for (const auto& word : Words(value)) {
        const auto open = word.find('(');
        if (open != std::string::npos) total += ParseInt(std::string_view(word).substr(open + 1), 0);
    }
    return total;
}

// "10001.010:yī,yí 10002.020:yì" -> yī yí yì.
std::vector<std::string> HanyuPinyinReadings(std::string_view value) {
    std::vector<std::string> out;
    for (const auto& word : Words(value)) {
        std::string_view rest = word;
        const auto colon = rest.find(':');
        if (colon == std::string_view::npos) continue;
        rest.remove_prefix(colon + 1);
        while (!rest.empty()) {
            const auto comma = rest.find(',');
            out.emplace_back(rest.substr(0, comma));
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
    }
    return out;
}

// "U+5F0C<kLau,kMatthews U+58F9" -> the code points.
void AddVariants(std::vector<char32_t>& out, std::string_view value) {
    for (const auto& word : Words(value)) {
        const char32_t cp = ParseCodePoint(std::string_view(word).substr(0, word.find('<')));
        if (cp != 0 && std::find(out.begin(), out.end(), cp) == out.end()) out.push_back(cp);
    }
}

Ideograph Gather(const Unihan& unihan, char32_t cp) {
    Ideograph c;
    c.cp = cp;
    for (const auto& reading : Words(unihan.Field(cp, "kVietnamese"))) AddUnique(c.unihanViet, LowerReading(reading));
    unsigned big5 = 0;
    const std::string_view big5Text = unihan.Field(cp, "kBigFive");
    std::from_chars(big5Text.data(), big5Text.data() + big5Text.size(), big5, 16);
    c.big5 = static_cast<std::uint16_t>(big5);
    c.cangjie = std::string(unihan.Field(cp, "kCangjie"));
    c.mandarin = Words(unihan.Field(cp, "kMandarin"));
    c.pinyin = c.mandarin;
    for (const auto& reading : HanyuPinyinReadings(unihan.Field(cp, "kHanyuPinyin"))) AddUnique(c.pinyin, reading);
    c.pinlu = PinluTotal(unihan.Field(cp, "kHanyuPinlu"));
    c.frequencyTier = ParseInt(unihan.Field(cp, "kFrequency"), 6);
    c.gradeLevel = ParseInt(unihan.Field(cp, "kGradeLevel"), 7);
    c.definition = std::string(unihan.Field(cp, "kDefinition"));
    c.cantonese = std::string(unihan.Field(cp, "kCantonese"));
    c.radicalStrokes = std::string(unihan.Field(cp, "kRSUnicode"));
    c.totalStrokes = std::string(unihan.Field(cp, "kTotalStrokes"));
    c.korean = std::string(unihan.Field(cp, "kKorean"));
    c.japaneseOn = std::string(unihan.Field(cp, "kJapaneseOn"));
    c.tang = std::string(unihan.Field(cp, "kTang"));
    c.phonetic = std::string(unihan.Field(cp, "kPhonetic"));
    for (const char* field : kVariantFields) AddVariants(c.variants, unihan.Field(cp, field));
    AddVariants(c.traditional, unihan.Field(cp, "kTraditionalVariant"));
    AddVariants(c.simplified, unihan.Field(cp, "kSimplifiedVariant"));
    return c;
}

}  // namespace

void AddUnique(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

std::set<std::string, std::less<>> WantedUnihanFields() {
    std::set<std::string, std::less<>> fields = {
        "kBigFive",   "kVietnamese", "kCangjie",    "kMandarin",  "kHanyuPinyin", "kHanyuPinlu",
        "kFrequency", "kGradeLevel", "kDefinition", "kCantonese", "kRSUnicode",   "kTotalStrokes",
        "kKorean",    "kJapaneseOn", "kTang",       "kPhonetic"};
    for (const char* field : kVariantFields) fields.insert(field);
    return fields;
}

unsigned Ideograph::SourcesOf(const std::string& reading) const {
    const auto has = [&reading](const std::vector<std::string>& list) {
        return std::find(list.begin(), list.end(), reading) != list.end();
    };
    return (has(unihanViet) ? kFromUnihan : 0u) | (has(kanjidicViet) ? kFromKanjidic : 0u);
}

std::vector<std::string> Ideograph::NomOrder() const {
    if (vietInherited) return viet;
    std::vector<std::string> out = unihanViet;
    for (const auto& reading : kanjidicViet) AddUnique(out, reading);
    return out;
}

// KANJIDIC2 and the Guangyun know characters Unihan may lack a field for;
// only characters Unihan knows are kept, since every page and index needs
// Unihan's facts.
Characters::Characters(const Unihan& unihan, const OtherSources& other) {
    for (char32_t cp : unihan.Characters()) {
        Ideograph c = Gather(unihan, cp);
        if (const auto it = other.kanjidic.find(cp); it != other.kanjidic.end()) c.kanjidicViet = it->second;
        if (const auto it = other.guangyun.find(cp); it != other.guangyun.end()) c.positions = it->second;
        c.viet = c.kanjidicViet;
        for (const auto& reading : c.unihanViet) AddUnique(c.viet, reading);
        all_.emplace(cp, std::move(c));
    }
    InheritReadings();
}

// (traditional, simplified, semantic, Z): 們 reads as 们 does, and a
// simplified character as its traditional form.
void Characters::InheritReadings() {
    for (auto& [cp, c] : all_) {
        if (c.vietInherited) c.viet.clear(), c.vietInherited = false;
    }
    for (auto& [cp, c] : all_) {
        if (!c.viet.empty()) continue;
        for (char32_t partner : c.variants) {
            const Ideograph* other = Find(partner);
            if (other == nullptr || !other->HasOwnReading()) continue;
            c.viet = other->viet;
            c.vietInherited = true;
            break;
        }
    }
}

const Ideograph* Characters::Find(char32_t cp) const {
    const auto it = all_.find(cp);
    return it == all_.end() ? nullptr : &it->second;
}

std::vector<char32_t> Characters::Big5Set() const {
    std::vector<char32_t> out;
    for (const auto& [cp, c] : all_)
        if (c.big5 != 0) out.push_back(cp);
    std::sort(out.begin(), out.end(), [this](char32_t a, char32_t b) { return Find(a)->big5 < Find(b)->big5; });
    return out;
}

std::vector<char32_t> Characters::NomSet() const {
    std::vector<char32_t> out;
    for (const auto& [cp, c] : all_)
        if (c.HasNomReading()) out.push_back(cp);
    return out;
}

std::vector<char32_t> Characters::HanReadingSet() const {
    std::vector<char32_t> out;
    for (const auto& [cp, c] : all_)
        if (cp <= 0xFFFF && (c.HasOwnReading() || (c.big5 != 0 && !c.viet.empty()))) out.push_back(cp);
    return out;
}

std::vector<char32_t> Characters::PredictedTelexSet() const {
    std::vector<char32_t> out;
    for (const auto& [cp, c] : all_)
        if (c.big5 != 0 && c.prediction && c.prediction->inTelex) out.push_back(cp);
    return out;
}

void Characters::SetPrediction(char32_t cp, Prediction prediction) { all_.at(cp).prediction = std::move(prediction); }

void Characters::SetReadings(char32_t cp, std::vector<std::string> readings) { all_.at(cp).viet = std::move(readings); }

bool Characters::MoreFrequent(char32_t a, char32_t b) const {
    const Ideograph* x = Find(a);
    const Ideograph* y = Find(b);
    if (x == nullptr || y == nullptr) return x != nullptr || (y == nullptr && a < b);
    return std::make_tuple(-x->pinlu, x->frequencyTier, x->gradeLevel, x->Big5Level(), a) <
           std::make_tuple(-y->pinlu, y->frequencyTier, y->gradeLevel, y->Big5Level(), b);
}

void Characters::SortByFrequency(std::vector<char32_t>& cps) const {
    std::sort(cps.begin(), cps.end(), [this](char32_t a, char32_t b) { return MoreFrequent(a, b); });
}

}  // namespace orvik::mkdata
