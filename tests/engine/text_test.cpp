#include "engine/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace orvik {
namespace {

TEST(Text, FindCountsFromOneAndAnswersZeroWhenAbsent) {
    struct Case { std::u16string_view s, sub; int start, expected; };
    const Case cases[] = {
        {u"hello", u"l", 1, 3},   {u"hello", u"l", 4, 4},  {u"hello", u"l", 5, 0},
        {u"hello", u"x", 1, 0},   {u"hello", u"", 1, 1},   {u"", u"a", 1, 0},
        {u"hello", u"lo", 99, 0}, {u"hello", u"he", 0, 1}, {u"!ab !a ", u"!a ", 1, 5},
        {u"abc", u"", 4, 4},      {u"abc", u"", 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.s, c.sub, c.start), c.expected) << std::string(c.s.begin(), c.s.end()) << " from " << c.start;
}

TEST(Text, FindInLongTextAnswersAsFind) {
    // Small alphabets make near-misses and overlaps common; characters above
    // 0xFF share low bytes with others.
    std::mt19937 random(7);
    const std::u16string alphabet = u"ab! \u0161\u0261";
    auto text = [&](std::size_t length) {
        std::u16string out;
        for (std::size_t i = 0; i < length; ++i) out += alphabet[random() % alphabet.size()];
        return out;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::u16string haystack = text(random() % 300);
        const std::u16string needle = text(random() % 7);
        ASSERT_EQ(FindInLongText(haystack + needle, needle), Find(haystack + needle, needle));
        ASSERT_EQ(FindInLongText(haystack, needle), Find(haystack, needle));
    }
}

TEST(Text, MidClipsAtTheEnds) {
    EXPECT_EQ(Mid(u"abcdef", 2, 3), u"bcd");
    EXPECT_EQ(Mid(u"abcdef", 5, 10), u"ef");
    EXPECT_EQ(Mid(u"abc", 0, 2), u"ab");
    EXPECT_EQ(Mid(u"abc", 3, 1), u"c");
    EXPECT_EQ(Mid(u"abc", 4, 1), u"");
    EXPECT_EQ(ReplaceAll(u"aaaa", u"aa", u"a"), u"aa");  // the replacement is not scanned again
}

TEST(Text, CaseCoversVietnameseLetters) {
    EXPECT_EQ(UCase(u"người được đi ăn ỵ"), u"NGƯỜI ĐƯỢC ĐI ĂN Ỵ");
    EXPECT_EQ(LCase(u"NGƯỜI ĐƯỢC Ĩ Ũ Ơ"), u"người được ĩ ũ ơ");
    // The edges of the Latin-1 letters: À and Þ, à and þ; × and ÷ between.
    EXPECT_EQ(LCase(u"ÀÞ×@[Z"), u"àþ×@[z");
    EXPECT_EQ(UCase(u"àþ÷`{a"), u"ÀÞ÷`{A");
}

TEST(Text, HexValueReadsFourDigitsAsSigned16Bit) {
    struct Case { std::u16string_view text; std::int32_t expected; };
    const Case cases[] = {
        {u"4E00", 0x4E00}, {u"4e00", 0x4E00}, {u"7FFF", 32767}, {u"8000", -32768},
        {u"FFFF", -1},     {u"9F8D", -24691}, {u"2000B", 0x2000B}, {u"2A6D6", 0x2A6D6},
        {u" 4E00", 0x4E00}, {u"4E 00", 0x4E00}, {u"12G4", 0x12}, {u"", 0}, {u"xyz", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(HexValue(c.text), c.expected) << c.expected;
}

TEST(Text, DecimalValueEndsAtTheFirstCharacterThatCannotContinueIt) {
    struct Case { std::u16string_view text; double expected; };
    const Case cases[] = {
        {u"1234 rest", 1234}, {u"-24691\\'3f", -24691}, {u"  42", 42}, {u"12.5x", 12.5},
        {u"abc", 0},          {u"", 0},                 {u"-", 0},     {u"7-3", 7},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(DecimalValue(c.text), c.expected);
    EXPECT_EQ(ExactDecimalValue(u" 10.5 "), 10.5);
    for (std::u16string_view bad : {u"", u"10.5pt", u"x", u"1e999"}) EXPECT_FALSE(ExactDecimalValue(bad)) << bad.size();
}

// The edges of each sequence length, of the surrogates and of Unicode: one
// step past an edge turns a character into a replacement or back.
TEST(Text, Utf8DecodesEachEdgeExactly) {
    struct Case { std::string_view bytes; std::u16string_view text; };
    const Case cases[] = {
        {"\x7F", u"\x7F"},                          {"\xC2\x80", u"\u0080"},
        {"\xC1\xBF", u"\uFFFD\uFFFD"},              {"\xDF\xBF", u"\u07FF"},
        {"\xE0\xA0\x80", u"\u0800"},                {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xED\x9F\xBF", u"\uD7FF"},                {"\xED\xBF\xBF", u"\uFFFD\uFFFD\uFFFD"},
        {"\xEE\x80\x80", u"\uE000"},                {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x90\x80\x80", u"\U00010000"},        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, {"\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xC3", u"\uFFFD"},                        {"a\x80", u"a\uFFFD"},
    };
    for (const auto& c : cases) {
        const std::u16string text = Utf8ToU16(c.bytes);
        EXPECT_EQ(text, c.text) << c.bytes.size() << " bytes from " << int(static_cast<unsigned char>(c.bytes[0]));
        EXPECT_EQ(IsValidUtf8(c.bytes), text.find(u'\uFFFD') == std::u16string::npos);
        const Utf8Census census = CountUtf8(c.bytes);
        EXPECT_EQ(census.invalid, static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\uFFFD')));
        EXPECT_EQ(census.multibyte, c.bytes.size() > 1 && census.invalid == 0 ? 1u : 0u);
    }
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));  // a U+FFFD of its own
    const std::string text = "người 𠊛 一";
    EXPECT_EQ(U16ToUtf8(Utf8ToU16(text)), text);
    const std::u16string pair = u"\U0002000B";
    EXPECT_EQ(U16ToUtf8(pair), "\xF0\xA0\x80\x8B");
    EXPECT_EQ(U16ToUtf8(std::u16string{pair[0], u'a'}), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(U16ToUtf8(std::u16string(1, pair[1])), "\xEF\xBF\xBD");
}

TEST(Text, CodePointsAndHexAtTheirEdges) {
    struct Point { std::int32_t codePoint; std::u16string_view text; };
    const Point points[] = {
        {-1, u""}, {0, std::u16string_view(u"\0", 1)}, {0xD7FF, u"\uD7FF"}, {0xD800, u""},
        {0xDFFF, u""}, {0xE000, u"\uE000"}, {0x10FFFF, u"\U0010FFFF"}, {0x110000, u""},
    };
    for (const auto& p : points) EXPECT_EQ(CodePointText(p.codePoint), p.text) << p.codePoint;
    EXPECT_EQ(UpperHexText(0), u"0");
    EXPECT_EQ(UpperHexText(0xF), u"F");
    EXPECT_EQ(UpperHexText(0x10), u"10");
    EXPECT_EQ(UpperHexText(0x2A6DF), u"2A6DF");
}

}  // namespace
}  // namespace orvik
