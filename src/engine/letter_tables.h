// The Vietnamese letter repertoire and its three parallel run-time tables.
//
// 146 entries (73 small letters, then their 73 capitals), each a Telex key
// sequence, its letter in the 8-bit code chosen at the last rebuild, and its
// precomposed Unicode letter. The composition walks the tables from the first
// entry to the last, so their order is part of the behaviour.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvik {

inline constexpr int kLetterSlots = 160;
inline constexpr int kLetterEntries = 146;
inline constexpr int kSmallLetterEntries = 73;

// Code numbers accepted by BuildLetterTables; any other number loads the
// VietWare-X letters as kVietWareX does.
inline constexpr std::int16_t kVietWareX = 1;
inline constexpr std::int16_t kTcvn3 = 2;
inline constexpr std::int16_t kVniWindows = 3;

struct LetterTables {
    std::array<std::u16string, kLetterSlots> TelexKeys;
    std::array<std::u16string, kLetterSlots> CodeLetters;
    std::array<std::u16string, kLetterSlots> UnicodeLetters;
    std::int16_t LetterCount = 0;
};

// Refills all three tables: TelexKeys and UnicodeLetters are the same after
// every call, CodeLetters holds the letters of `code`.
void BuildLetterTables(LetterTables& tables, std::int16_t code);

// The list strings: the 146 entries in table order, each followed by one
// space. 8-bit lists hold one character per code byte.
const std::u16string& TelexList();
const std::u16string& VietWareList();
const std::u16string& VniList();
const std::u16string& Tcvn3List();

}  // namespace orvik
