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

// The Telex keys of a Vietnamese reading as typed, lower case, tone key last
// ("người" -> "nguwowif"); nothing when it is no word of Telex letters.
std::optional<std::string> TelexKeysOf(const std::string& reading);

// Simplified CangJie: the quick code (first + last letter, or the one
// letter), and for codes of three or more letters also first two + last.
std::vector<std::string> CangJieKeysOf(const std::string& code);

// "yī" -> "yi1", "lǜ" -> "lv4", "ma" -> "ma5", "ň" -> "n3"; nothing for a
// syllable with a letter the scheme does not know.
std::optional<std::string> PinYinKeyOf(const std::string& syllable);

// The directory key of a typed code: the form both windows look up when the
// code is typed (NormaliseTypedCode), so "nguwowif" -> "ngwowif", CangJie
// "afh" -> "ahf", PinYin "er4" -> "e4r".
std::string IndexKeyOf(const std::string& typedCode);

}  // namespace orvik::mkdata
