#include "lookup/spoken_pieces.h"

#include <cstdint>

namespace orvik {

namespace {

// Words whose first character lies above this (or reads as a negative
// 16-bit number) are ideographs, which have no clips.
constexpr std::int16_t kLastSpokenChar = 10000;
constexpr std::u16string_view kShortPauseMarks = u",!:";
constexpr std::u16string_view kLongPauseMarks = u".?";

bool Between(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

bool IsAsciiLetterOrDigit(char16_t c) {
    return Between(c, u'a', u'z') || Between(c, u'A', u'Z') || Between(c, u'0', u'9');
}

// Punctuation that clings to a word: ASCII's, Latin-1's (« » ¿ ·), the
// general punctuation block (quotes, dashes, …), the CJK marks (「 」 、 。)
// and their small, vertical and fullwidth forms.
bool IsPunctuation(char16_t c) {
    if (c < 0x80) return !IsAsciiLetterOrDigit(c);
    return Between(c, 0x00A1, 0x00BF) || Between(c, 0x2000, 0x206F) || Between(c, 0x3000, 0x303F) ||
           Between(c, 0xFE30, 0xFE6F) || Between(c, 0xFF01, 0xFF0F) || Between(c, 0xFF1A, 0xFF20) ||
           Between(c, 0xFF3B, 0xFF40) || Between(c, 0xFF5B, 0xFF65);
}

bool Spoken(std::u16string_view letters) {
    if (letters.empty()) return false;
    const auto first = static_cast<std::int16_t>(letters.front());
    return first >= 0 && first <= kLastSpokenChar && !Between(letters.front(), u'0', u'9');
}

bool HoldsAnyOf(std::u16string_view marks, std::u16string_view set) {
    return marks.find_first_of(set) != std::u16string_view::npos;
}

void AddPause(std::u16string_view marks, std::vector<std::u16string>& pieces) {
    if (HoldsAnyOf(marks, kLongPauseMarks)) pieces.emplace_back(kLongPause);
    else if (HoldsAnyOf(marks, kShortPauseMarks)) pieces.emplace_back(kShortPause);
}

}  // namespace

std::vector<std::u16string> SpokenPieces(std::u16string_view word) {
    std::size_t start = 0, end = word.size();
    while (start < end && IsPunctuation(word[start])) ++start;
    while (end > start && IsPunctuation(word[end - 1])) --end;
    std::vector<std::u16string> pieces;
    AddPause(word.substr(0, start), pieces);
    const std::u16string_view letters = word.substr(start, end - start);
    if (Spoken(letters)) pieces.emplace_back(letters);
    AddPause(word.substr(end), pieces);
    return pieces;
}

}  // namespace orvik
