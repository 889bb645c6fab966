#include "viet_syllable.h"

#include <array>
#include <string_view>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "engine/text.h"
#include "keys.h"
#include "tone_style.h"

namespace orvik::mkdata {

namespace {

constexpr std::string_view kToneKeys = "sfrxj";
constexpr std::string_view kVowelLetters = "aeiouy";

// Longest first, so that "ngh" is not read as "ng" + "h".
constexpr std::array<std::string_view, 27> kInitials = {
    "ngh", "ng", "nh", "gh", "gi", "kh", "ph", "th", "tr", "ch", "qu", "dd", "b", "c",
    "d",   "g",  "h",  "k",  "l",  "m",  "n",  "p",  "r",  "s",  "t",  "v",  "x"};

bool IsVowelLetter(char c) { return kVowelLetters.find(c) != std::string_view::npos; }

// A rhyme is a run of vowel keys (w marks ă, ơ, ư) and at most one final
// consonant: what is left of "đồthưquán" after its initial is none.
bool IsRhyme(std::string_view rhyme) {
    const std::size_t coda = rhyme.find_first_not_of("aeiouyw");
    if (rhyme.empty() || coda == 0) return false;
    if (coda == std::string_view::npos) return true;
    const std::string_view end = rhyme.substr(coda);
    return end == "c" || end == "ch" || end == "m" || end == "n" || end == "ng" || end == "nh" || end == "p" ||
           end == "t";
}

// The spelling of an initial before its rhyme: k, gh and ngh before e, ê
// and i; gi drops its i before a rhyme that starts with one.
std::string SpeltInitial(const std::string& initial, const std::string& rhyme) {
    const bool front = !rhyme.empty() && (rhyme.front() == 'e' || rhyme.front() == 'i' || rhyme.front() == 'y');
    if (initial == "c" && front) return "k";
    if ((initial == "g" || initial == "ng") && front) return initial + "h";
    if (initial == "gi" && !rhyme.empty() && rhyme.front() == 'i') return "g";
    return initial;
}

std::string CanonicalInitial(std::string_view spelt) {
    if (spelt == "k") return "c";
    if (spelt == "gh") return "g";
    if (spelt == "ngh") return "ng";
    return std::string(spelt);
}

}  // namespace

std::optional<VietSyllable> SplitReading(const std::string& reading) {
    const auto keys = TelexKeysOf(reading);
    if (!keys) return std::nullopt;
    std::string letters = *keys;
    VietSyllable s;
    if (kToneKeys.find(letters.back()) != std::string_view::npos) {
        s.tone = letters.back();
        letters.pop_back();
    }
    std::string_view initial;
    for (std::string_view candidate : kInitials)
        if (initial.empty() && letters.starts_with(candidate)) initial = candidate;
    // In "gì" and "gìn" the initial gi lends its i to the rhyme.
    std::size_t rhymeStart = initial.size();
    if (initial == "gi" && (letters.size() == 2 || !IsVowelLetter(letters[2]))) rhymeStart = 1;
    s.initial = CanonicalInitial(initial);
    s.rhyme = letters.substr(rhymeStart);
    if (!IsRhyme(s.rhyme)) return std::nullopt;
    if (s.rhyme == "y" && !s.initial.empty() && s.initial != "qu") s.rhyme.front() = 'i';
    return s;
}

std::string ComposeReading(const VietSyllable& s) {
    std::string keys = SpeltInitial(s.initial, s.rhyme) + s.rhyme;
    if (s.tone != ' ') keys += s.tone;
    return NewStyleTone(U16ToUtf8(ComposeForOutput(UnicodeLetterTables(), Utf8ToU16(keys), true, false)));
}

bool ToneFitsRhyme(const std::string& rhyme, char tone) {
    const bool stop = rhyme.ends_with('p') || rhyme.ends_with('t') || rhyme.ends_with('c') || rhyme.ends_with("ch");
    return !stop || tone == 's' || tone == 'j';
}

std::string ToneName(char tone) {
    switch (tone) {
        case 'f': return "huyền";
        case 's': return "sắc";
        case 'r': return "hỏi";
        case 'x': return "ngã";
        case 'j': return "nặng";
        default: return "ngang";
    }
}

}  // namespace orvik::mkdata
