#include "sound_cues.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "keys.h"
#include "unihan.h"
#include "utf8.h"

namespace orvik::mkdata {

namespace {

using Parts = std::array<std::string, 3>;  // initial, rest, tone

void Set(SoundCues& cues, Cue cue, std::string value) { cues[static_cast<std::size_t>(cue)] = std::move(value); }

std::string FirstWord(std::string_view value) {
    const auto words = Words(value);
    return words.empty() ? std::string() : words.front();
}

// The longest of `initials` that starts `syllable`, and the rest.
std::pair<std::string, std::string> SplitInitial(const std::string& syllable,
                                                 std::initializer_list<std::string_view> initials) {
    std::string_view best;
    for (std::string_view initial : initials)
        if (initial.size() > best.size() && syllable.starts_with(initial)) best = initial;
    return {std::string(best), syllable.substr(best.size())};
}

// Jyutping "bak1" -> b, ak, 1. A syllabic nasal (m4, ng5) is all final.
Parts CantoneseParts(const std::string& syllable) {
    if (syllable.size() < 2 || syllable.back() < '1' || syllable.back() > '6') return {};
    const std::string letters = syllable.substr(0, syllable.size() - 1);
    auto [initial, final] = SplitInitial(letters, {"b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "ng", "h",
                                                   "gw", "kw", "w", "z", "c", "s", "j"});
    if (final.empty()) std::swap(initial, final);
    return {initial, final, std::string(1, syllable.back())};
}

// "běi" -> b, ei, 3 (through the PinYin key "bei3").
Parts MandarinParts(const std::string& syllable) {
    const auto key = PinYinKeyOf(syllable);
    if (!key) return {};
    const std::string letters = key->substr(0, key->size() - 1);
    auto [initial, final] = SplitInitial(letters, {"b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q",
                                                   "x", "zh", "ch", "sh", "r", "z", "c", "s", "y", "w"});
    return {initial, final, std::string(1, key->back())};
}

// Yale romanisation "PWUK" -> P, WUK.
Parts KoreanParts(const std::string& syllable) {
    auto [initial, rhyme] = SplitInitial(syllable, {"K", "KH", "KK", "T", "TH", "TT", "P", "PH", "PP", "C", "CH",
                                                    "CC", "S", "SS", "H", "M", "N", "L"});
    return {initial, rhyme, ""};
}

// Hepburn "HOKU" -> H, OKU.
Parts JapaneseParts(const std::string& syllable) {
    const std::size_t vowel = syllable.find_first_of("AEIOU");
    if (vowel == std::string::npos) return {};
    return {syllable.substr(0, vowel), syllable.substr(vowel), ""};
}

// kTang "dhɑ̀i" -> dh, ɑi, and its tone class: level (P), rising (S, a
// caron), departing (Q, a grave accent) or entering (R, a final stop).
Parts TangParts(const std::string& syllable) {
    static constexpr std::u32string_view kVowels = U"aeiouyæɑəɛàèìòùǎěǐǒǔ";
    static constexpr std::u32string_view kGrave = U"àèìòù";
    static constexpr std::u32string_view kCaron = U"ǎěǐǒǔ";
    static constexpr std::u32string_view kPlain = U"aeiou";
    std::u32string initial, final;
    char tone = 'P';
    for (char32_t c : CodePoints(syllable)) {
        if (c == U'*' || c == U'(' || c == U')') continue;
        if (c == 0x300 || c == 0x30C) {
            tone = c == 0x300 ? 'Q' : 'S';
            continue;
        }
        if (const auto at = kGrave.find(c); at != std::u32string_view::npos) tone = 'Q', c = kPlain[at];
        if (const auto at = kCaron.find(c); at != std::u32string_view::npos) tone = 'S', c = kPlain[at];
        (final.empty() && kVowels.find(c) == std::u32string_view::npos ? initial : final) += c;
    }
    if (!final.empty() && (final.back() == U'p' || final.back() == U't' || final.back() == U'k')) tone = 'R';
    return {Utf8Of(initial), Utf8Of(final), std::string(1, tone)};
}

// The cues of one reading follow its whole-syllable cue in `Cue`'s order.
// A part that is there but empty (no initial) is "-": empty means unknown.
void SetParts(SoundCues& cues, Cue whole, const std::string& syllable, const Parts& parts, int partCount) {
    if (parts[1].empty()) return;
    Set(cues, whole, syllable);
    for (int i = 0; i < partCount; ++i)
        Set(cues, static_cast<Cue>(static_cast<std::size_t>(whole) + 1 + i), parts[i].empty() ? "-" : parts[i]);
}

// The consonant that ends a Cantonese final: the stops keep the entering
// tone, the nasals the finals -m -n -ng; a syllabic nasal is its own coda.
std::string CodaOf(const std::string& final) {
    if (final.empty() || final == "-") return {};
    const std::size_t vowel = final.find_last_of("aeiouy");
    if (vowel == std::string::npos) return final;
    return vowel + 1 == final.size() ? "-" : final.substr(vowel + 1);
}

// All On readings in one order: a character's Go-on and Kan-on together
// tell voicing and final apart better than either.
std::string JapaneseReadings(std::string_view value) {
    std::vector<std::string> words = Words(value);
    std::sort(words.begin(), words.end());
    std::string out;
    for (const auto& word : words) out += (out.empty() ? "" : " ") + word;
    return out;
}

// kPhonetic "1453" or "1549 1551" or "94*": the first class's number.
std::string PhoneticClass(std::string_view value) {
    std::string digits;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        digits += c;
    }
    return digits;
}

}  // namespace

namespace {

SoundCues ModernCues(const Ideograph& c) {
    SoundCues cues;
    const std::string cantonese = FirstWord(c.cantonese);
    SetParts(cues, Cue::Cantonese, cantonese, CantoneseParts(cantonese), 3);
    Set(cues, Cue::CantoneseCoda, CodaOf(Get(cues, Cue::CantoneseFinal)));
    const std::string mandarin = c.mandarin.empty() ? std::string() : c.mandarin.front();
    SetParts(cues, Cue::Mandarin, mandarin, MandarinParts(mandarin), 3);
    const std::string korean = FirstWord(c.korean);
    SetParts(cues, Cue::Korean, korean, KoreanParts(korean), 2);
    SetParts(cues, Cue::Japanese, JapaneseReadings(c.japaneseOn), JapaneseParts(FirstWord(c.japaneseOn)), 2);
    const std::string tang = FirstWord(c.tang);
    SetParts(cues, Cue::Tang, tang, TangParts(tang), 3);
    Set(cues, Cue::Phonetic, PhoneticClass(c.phonetic));
    return cues;
}

void SetPosition(SoundCues& cues, const MiddleChinese& p) {
    Set(cues, Cue::McInitial, p.initial);
    Set(cues, Cue::McOpenness, p.openness);
    Set(cues, Cue::McDivision, p.division);
    Set(cues, Cue::McChongniu, p.chongniu);
    Set(cues, Cue::McRhyme, p.rhyme);
    Set(cues, Cue::McTone, p.tone);
    Set(cues, Cue::McPosition, p.description);
}

}  // namespace

std::vector<SoundCues> CuesOf(const Ideograph& c) {
    const SoundCues modern = ModernCues(c);
    if (c.positions.empty()) return {modern};
    std::vector<SoundCues> out;
    for (const auto& position : c.positions) {
        out.push_back(modern);
        SetPosition(out.back(), position);
    }
    return out;
}

bool Predictable(const SoundCues& cues) {
    return !Get(cues, Cue::McPosition).empty() || !Get(cues, Cue::Cantonese).empty() || !Get(cues, Cue::Mandarin).empty() || !Get(cues, Cue::Korean).empty();
}

}  // namespace orvik::mkdata
