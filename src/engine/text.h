// Text helpers shared by every layer.
//
// The system's logic works on UTF-16 strings and counts positions from 1;
// a search answers 0 when nothing is found. Text in an 8-bit Vietnamese code
// (TCVN3, VNI-Windows, VietWare-X) is held one char16_t 0x00-0xFF per byte.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvik {

// Position (from 1) of the first occurrence of `sub` in `s` at or after
// `start`; 0 when absent. An empty `sub` is found at `start` when it lies
// inside `s` or just after it.
int Find(std::u16string_view s, std::u16string_view sub, int start = 1);

// The same answer as Find(s, sub) from position 1, by a search that tests
// eight positions at once: for long texts such as the directory line of an
// index, searched on every keystroke.
int FindInLongText(std::u16string_view s, std::u16string_view sub);

// `len` characters from position `start` (from 1); fewer when `s` ends
// sooner; a negative `len` takes the rest.
std::u16string Mid(std::u16string_view s, int start, int len = -1);
std::u16string Left(std::u16string_view s, int len);
std::u16string Right(std::u16string_view s, int len);

std::u16string ReplaceAll(std::u16string_view s, std::u16string_view from,
                          std::u16string_view to);

// Case mapping of ASCII letters and the Vietnamese letters of the letter
// tables; every other character is kept.
char16_t LowerChar(char16_t c);
char16_t UpperChar(char16_t c);
std::u16string LCase(std::u16string_view s);
std::u16string UCase(std::u16string_view s);

// Removes leading and trailing spaces (only the space character).
std::u16string Trim(std::u16string_view s);

// Reads hexadecimal digits as the system reads "&H" + text: blanks, tabs and
// line feeds are skipped, reading stops at the first other non-digit. Up to
// four digits give a signed 16-bit value ("8000" is -32768); more digits a
// signed 32-bit value. No digit gives 0.
std::int32_t HexValue(std::u16string_view digits);

// Reads the decimal number at the start of `s` (leading blanks skipped, an
// optional sign, digits, an optional fraction); the number ends at the first
// character that cannot continue it. No number gives 0.
double DecimalValue(std::u16string_view s);
// A text that is a finite decimal number and nothing else, blanks around it
// allowed, read without the desktop's locale ("10.5" everywhere); none
// otherwise.
std::optional<double> ExactDecimalValue(std::u16string_view s);

// A number in decimal digits (with "-" when negative), and a non-negative
// number in upper-case hexadecimal digits without leading zeros.
std::u16string DecimalText(std::int64_t value);
std::u16string UpperHexText(std::uint32_t value);

// UTF-8 <-> UTF-16 for the edges (files, terminal). Invalid UTF-8 bytes
// decode to U+FFFD; unpaired surrogates encode as U+FFFD.
std::u16string Utf8ToU16(std::string_view utf8);
std::string U16ToUtf8(std::u16string_view text);
// The character of a code point in UTF-16; empty for a number that names no
// character (a surrogate, past U+10FFFF, negative).
std::u16string CodePointText(std::int32_t codePoint);
bool IsValidUtf8(std::string_view bytes);
// How much of a text is UTF-8: its sequences of two bytes or more, and the
// bytes that begin no valid sequence.
struct Utf8Census {
    std::size_t multibyte = 0;
    std::size_t invalid = 0;
};
Utf8Census CountUtf8(std::string_view bytes);

// One char16_t per byte and back (8-bit code text). `ToBytes` keeps the low
// byte of each unit.
std::u16string FromBytes(std::string_view bytes);
std::string ToBytes(std::u16string_view text);

}  // namespace orvik
