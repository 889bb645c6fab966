// The texts a send delivers: a picked candidate or a composed reading as RTF
// for pasting, and the UTF-16 units of a candidate for posting as characters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/letter_tables.h"

namespace orvik {

// A five-digit hexadecimal field as RTF's two \u escapes of its surrogate
// pair: "\u" + high + "?\u" + low + "?", both as signed 16-bit numbers
// (negative, as surrogates lie above 32767). The two numbers are handed
// back in `high` and `low` too.
std::u16string To_SurrogateC(std::u16string_view field, std::int32_t& high, std::int32_t& low);

// RTF's font size, in half points: a size such as 10.5 is written 21; a
// size between halves is rounded to the nearest half point, since "\fs"
// takes a whole number.
std::u16string RtfHalfPoints(float pointSize);

// The RTF of a candidate field in the ideograph font at `nomFontSize` points.
std::u16string CandidateRtf(std::u16string_view field, float nomFontSize);

// The RTF of a candidate picked with the main window's buttons, in the font
// `nomFontName`: the code read as hexadecimal, a signed 16-bit number when it
// has at most four digits (as RTF's "\u" takes it), else its plain value.
std::u16string PickedCandidateRtf(std::u16string_view code, std::u16string_view nomFontName, float nomFontSize);

// The RTF of a reading in the Vietnamese font; every letter of the tables
// above code 255 is escaped as "\u" + code + "\'3f", other text stays as is.
std::u16string ReadingRtf(std::u16string_view reading, const LetterTables& tables,
                          std::u16string_view vnFontName, int vnFontSize);

// The code point of a candidate field: four digits read as signed 16-bit
// and corrected by 65536, five digits as they are.
std::int32_t FieldCodePoint(std::u16string_view field);

// The UTF-16 units that carry a code point: one, or a surrogate pair.
std::vector<char16_t> Utf16Units(std::int32_t codePoint);

}  // namespace orvik
