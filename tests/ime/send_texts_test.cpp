#include "ime/send_texts.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

TEST(SendTexts, ReadingRtfEscapesLettersAboveCode255Only) {
    LetterTables tables;
    BuildLetterTables(tables, kVietWareX);
    const std::u16string head =
        u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
        u"Times New Roman;}}{\\colortbl ;\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 ";
    struct Case {
        std::u16string_view reading, text;
    };
    const Case cases[] = {
        {u"hán", u"hán"},
        {u"đi", u"\\u273\\'3fi"},
        {u"Ỵ ỵ", u"\\u7924\\'3f \\u7925\\'3f"},
        {u"được đã", u"\\u273\\'3f\\u432\\'3f\\u7907\\'3fc \\u273\\'3fã"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadingRtf(c.reading, tables, u"Times New Roman", 12), head + std::u16string(c.text) + u"}")
            << U16ToUtf8(c.reading);
}

// Five-digit fields are sent as two units, escaped in RTF as the signed
// 16-bit forms of their surrogates.
TEST(SendTexts, FieldsBeyondTheBasicPlaneTakeTwoUnits) {
    EXPECT_EQ(FieldCodePoint(u"9F8D"), 0x9F8D);
    EXPECT_EQ(FieldCodePoint(u"0000"), 0);
    EXPECT_EQ(Utf16Units(0x4E00), std::vector<char16_t>{0x4E00});
    EXPECT_EQ(Utf16Units(0x20000), (std::vector<char16_t>{0xD840, 0xDC00}));
    std::int32_t high = 0, low = 0;
    EXPECT_EQ(To_SurrogateC(u"2A6D6", high, low), u"\\u-10135?\\u-8490?");
    EXPECT_EQ(high, -10135);
    EXPECT_EQ(low, -8490);
    EXPECT_NE(CandidateRtf(u"20000", 12).find(u"\\fs24\\u-10176?\\u-9216?}"), std::u16string::npos);
    // Sizes in half points, whole as "\fs" takes them.
    EXPECT_EQ(CandidateRtf(u"4E00", 10.3f),
              u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset1 "
              u"Chu Nom Minh U;}}\\uc1\\pard\\f0\\fs21\\u19968\\'3f}");
}

}  // namespace
}  // namespace orvik
