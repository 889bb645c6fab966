#include "lookup/transcription.h"

#include <gtest/gtest.h>

#include "engine/text.h"
#include "lookup/rtf_escapes.h"

namespace orvik {
namespace {

LookupLines Lines(bool nom) {
    LookupLines lines;
    lines.Big5Line = u"/a4a419968/a4a520108/a4a340657/";
    lines.ReadingLine = nom ? u"4E00:một\\2000B:người\\FF0D:.\\" : u"a4a4:nhất/nhứt\\a4a5:nhị\\a4a3:ất-\\";
    return lines;
}

std::string Transcribed(std::u16string_view rtf, bool nom = false, const CorrectionPairs& corrections = {}) {
    return U16ToUtf8(Transcribe(rtf, Lines(nom), nom, corrections));
}

TEST(Transcription, UnicodeEscapesBecomeFirstReadings) {
    struct Case { std::u16string_view rtf; bool nom; std::string result; };
    const Case cases[] = {
        {u"{\\rtf1\\uc1 \\u19968?\\u20108?}", false, "nhất nhị"},
        {u"\\u19968?\\u-30000?", false, "nhất "},           // no Big5 code: an empty reading
        {u"\\u19968?\\u-10240?\\u-8693?", true, "một d800 de0b"},  // surrogate halves stand alone
        {u"\\u20108?\\par \\u19968?", false, "nhị nhất"},
        {u"\\u20108?\\par \\u19968?", true, "4e8c . một"},
        {u"\\u12288?\\u8220?\\u65311?\\u65312?", false, "\" ? ,"},
        {u"\\u21476 ?\\plain\\u19968?", false, "nhất"},
        {u"\\u40657?", false, "ất \r\n"},                   // "-" ends the line
    };
    for (const auto& c : cases) EXPECT_EQ(Transcribed(c.rtf, c.nom), c.result) << U16ToUtf8(c.rtf);
}

TEST(Transcription, Big5EscapesAreReadWhenNoUnicodeCharacterIs) {
    struct Case { std::u16string_view rtf; std::string result; };
    const Case cases[] = {
        {u"{\\rtf1\\ansi \\'a4\\'a4\\'a4\\'a5}", "nhất nhị"},
        {u"\\'a4\\'a4\\'a4\\'a5,", "nhất nhị a141"},
        {u"\\'a4\\\\", "a45c"},                                // an escaped backslash as trail
        {u"\\'a4x", "a478"},                                   // a literal trail character
        {u"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Transcribed(c.rtf), c.result) << U16ToUtf8(c.rtf);
}

TEST(Transcription, CorrectionsApplyInOrderAfterTheSpacesAreHalved) {
    const CorrectionPairs corrections = {{u" .", u"."}, {u"nhất", u"Nhất"}};
    EXPECT_EQ(Transcribed(u"\\u19968?\\u65293 ?\\u20108?", true, corrections), "một. 4e8c");
    EXPECT_EQ(Transcribed(u"\\u19968?\\u20108?", false, corrections), "Nhất nhị");
}

TEST(RtfEscapes, ReadersConsumeTheTextThroughACursor) {
    std::u16string_view rest = u"a\\u-24691\\'3fb\\u1?";
    EXPECT_EQ(TakeUnicodeEscape(rest), u"-24691");
    EXPECT_EQ(EscapeValue(u"-24691\\'3f"), -24691);
    EXPECT_EQ(TakeUnicodeEscape(rest), u"1?");
    EXPECT_FALSE(TakeUnicodeEscape(rest));
    std::u16string_view big5 = u"\\'a4\\'a4\\'b1";
    EXPECT_EQ(TakeBig5Escape(big5), u"a4a4");
    EXPECT_EQ(TakeBig5Escape(big5), u"b1");  // the text ends after the lead byte
    EXPECT_FALSE(TakeBig5Escape(big5));
}

}  // namespace
}  // namespace orvik
