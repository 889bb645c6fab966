// The typed codes that lead to a character: Telex spellings of its readings,
// simplified CangJie codes and PinYin syllables with their tone digit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/letter_tables.h"

namespace orvik::mkdata {

// The letter tables of Unicode text, built once: readings are Unicode.
const LetterTables& UnicodeLetterTables();

struct TelexKeys {
    std::string raw;         // the keys as typed, lower case, tone key last
    std::string normalised;  // what the candidate search looks up
};

// Keys of a Vietnamese reading; nothing when it is no word of Telex letters.
std::optional<TelexKeys> TelexKeysOf(const std::string& reading);

// Simplified CangJie: the quick code (first + last letter, or the one
// letter), and for codes of three or more letters also first two + last.
std::vector<std::string> CangJieKeysOf(const std::string& code);

// "yī" -> "yi1", "lǜ" -> "lv4", "ma" -> "ma5", "ň" -> "n3"; nothing for a
// syllable with a letter the scheme does not know.
std::optional<std::string> PinYinKeyOf(const std::string& syllable);

}  // namespace orvik::mkdata
