// A Vietnamese reading taken apart into initial, rhyme and tone, the three
// parts a predicted reading is built from, and put together again.
#pragma once

#include <compare>
#include <optional>
#include <string>

namespace orvik::mkdata {

// The parts in Telex letters ("dd", "uwow"), spelling rules undone: k and c
// are one initial "c", gh is "g", ngh is "ng", and a rhyme "y" after a
// consonant is "i" (kỳ and kì are one reading). The tone is its Telex key,
// ' ' for the level tone.
struct VietSyllable {
    std::string initial;
    std::string rhyme;
    char tone = ' ';

    auto operator<=>(const VietSyllable&) const = default;
};

// Nothing when the reading is no single word of Vietnamese letters.
std::optional<VietSyllable> SplitReading(const std::string& reading);

// The reading in Unicode, spelt by the rules the split undid.
std::string ComposeReading(const VietSyllable& syllable);

// A rhyme closed by a stop (-p, -t, -c, -ch) takes only the sắc or nặng tone.
bool ToneFitsRhyme(const std::string& rhyme, char tone);

// "ngang", "huyền", "sắc", "hỏi", "ngã", "nặng".
std::string ToneName(char tone);

}  // namespace orvik::mkdata
