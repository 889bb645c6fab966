// Reading the character escapes of clipboard RTF: "\u" + signed decimal for
// Unicode editors, "\'" + two hex digits per byte of a Big5 character for
// older ones. Each reader consumes the text through a cursor, so a long
// selection is read in one pass.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// Finds the next "\u"; answers the six characters after it and moves `rest`
// past the character after "\u". Nothing when no "\u" is left.
std::optional<std::u16string> TakeUnicodeEscape(std::u16string_view& rest);

// The value of an escape's digits: a signed decimal number read up to the
// first character that cannot continue it, rounded.
std::int32_t EscapeValue(std::u16string_view digits);

// Finds the next "\'" and answers the Big5 code it starts: the two hex digits
// after it (the lead byte) and the trail byte, either a literal character
// (its 8-bit value in lower-case hex, an escaped backslash included) or the
// two digits after the next "\'". Moves `rest` past what it read. Nothing
// when no "\'" is left.
std::optional<std::u16string> TakeBig5Escape(std::u16string_view& rest);

}  // namespace orvik
