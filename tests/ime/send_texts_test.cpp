#include "ime/send_texts.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

std::string Narrow(std::u16string_view s) { return U16ToUtf8(s); }

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

TEST(SendTexts, SurrogateEscapesOfFiveDigitFields) {
    struct Case { std::u16string_view field; std::u16string_view rtf; std::int32_t high, low; };
    const Case cases[] = {
        {u"20000", u"\\u-10176?\\u-9216?", -10176, -9216},
        {u"2029B", u"\\u-10176?\\u-8549?", -10176, -8549},
        {u"2A6D6", u"\\u-10135?\\u-8490?", -10135, -8490},
        {u"FFFFF", u"\\u-9281?\\u-8193?", -9281, -8193},
    };
    for (const auto& c : cases) {
        std::int32_t high = 0, low = 0;
        EXPECT_EQ(To_SurrogateC(c.field, high, low), c.rtf) << Narrow(c.field);
        EXPECT_EQ(high, c.high);
        EXPECT_EQ(low, c.low);
        // The escapes are the signed 16-bit forms of the real surrogates.
        const auto units = Utf16Units(FieldCodePoint(c.field));
        ASSERT_EQ(units.size(), 2u);
        EXPECT_EQ(static_cast<std::int16_t>(units[0]), high);
        EXPECT_EQ(static_cast<std::int16_t>(units[1]), low);
    }
}

TEST(SendTexts, CandidateRtfInTheIdeographFont) {
    EXPECT_EQ(CandidateRtf(u"4E00", 16),
              u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset1 "
              u"Chu Nom Minh U;}}\\uc1\\pard\\f0\\fs32\\u19968\\'3f}");
    EXPECT_TRUE(EndsWith(CandidateRtf(u"9F8D", 16), u"\\fs32\\u-24691\\'3f}"));
    EXPECT_TRUE(EndsWith(CandidateRtf(u"20000", 12), u"\\fs24\\u-10176?\\u-9216?}"));
    // Sizes in half points, whole as "\fs" takes them.
    EXPECT_TRUE(EndsWith(CandidateRtf(u"4E00", 10.5f), u"\\fs21\\u19968\\'3f}"));
    EXPECT_TRUE(EndsWith(CandidateRtf(u"4E00", 10.3f), u"\\fs21\\u19968\\'3f}"));
}

TEST(SendTexts, ReadingRtfEscapesLettersAboveCode255Only) {
    LetterTables tables;
    BuildLetterTables(tables, kVietWareX);
    const std::u16string head =
        u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
        u"Times New Roman;}}{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 ";
    struct Case { std::u16string_view reading, text; };
    const Case cases[] = {
        {u"hán", u"hán"},
        {u"đi", u"\\u273\\'3fi"},
        {u"Ỵ ỵ", u"\\u7924\\'3f \\u7925\\'3f"},
        {u"được đã", u"\\u273\\'3f\\u432\\'3f\\u7907\\'3fc \\u273\\'3fã"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadingRtf(c.reading, tables, u"Times New Roman", 12), head + std::u16string(c.text) + u"}")
            << Narrow(c.reading);
}

TEST(SendTexts, FieldsBeyondTheBasicPlaneTakeTwoUnits) {
    EXPECT_EQ(FieldCodePoint(u"9F8D"), 0x9F8D);
    EXPECT_EQ(FieldCodePoint(u"4E00"), 0x4E00);
    EXPECT_EQ(FieldCodePoint(u"0000"), 0);
    EXPECT_EQ(Utf16Units(0x4E00), std::vector<char16_t>{0x4E00});
    EXPECT_EQ(Utf16Units(0x20000), (std::vector<char16_t>{0xD840, 0xDC00}));
}

}  // namespace
}  // namespace orvik
