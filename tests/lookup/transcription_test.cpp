#include "lookup/transcription.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text.h"
#include "lookup/code_tables.h"
#include "lookup/transcription_lookups.h"

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
        {u"\\u20108?\\par\\u19968?", true, "4e8c . một"},
        {u"\\u20108?\\line\\u19968?", true, "4e8c . một"},
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
        {u"\\'a4\\'a4\\'20\\'a4\\'a5", "nhất nhị"},
        // Braces read as one pair of bytes; a paragraph's end as a full stop.
        {u"\\'a4\\'a4\\{\\}\\par }", "nhất 7b7d a1d0"},
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

// The indexed look-ups of the transcription answer as the searches along
// the lines do, on the lines' traps.

void ExpectSameAnswers(std::u16string_view big5, std::u16string_view reading) {
    LookupLines lines;
    lines.Big5Line = big5;
    lines.ReadingLine = reading;
    TranscriptionLookups lookups(lines);
    // The numbers the lines hold, their neighbours, odd ones, and 419968,
    // whose digits start the line's fifth character.
    for (const std::int32_t code : {-5, -1, 0, 1, 7, 8, 10, 122, 123, 124, 256, 19967, 19968, 19969, 20108, 65535,
                                    65536, 119968, 131083, 419968, 1119968})
        ASSERT_EQ(lookups.Big5Of(code), CodePointToBig5(big5, code)) << code << " in " << U16ToUtf8(big5);
    // Every piece of the line up to six long, and odd keys.
    std::vector<std::u16string> keys{u"", u"a4a4", u"4E00", u"zz", u"a:b", u"\\"};
    for (std::size_t from = 0; from < reading.size(); ++from)
        for (std::size_t length = 1; length <= 6 && from + length <= reading.size(); ++length)
            keys.emplace_back(reading.substr(from, length));
    for (const std::u16string& key : keys)
        ASSERT_EQ(lookups.FirstReadingOf(key), FirstReading(reading, key))
            << U16ToUtf8(key) << " in " << U16ToUtf8(reading);
}

TEST(TranscriptionLookupsTest, AnswerAsTheSearchesOnTheLinesTraps) {
    const std::u16string_view big5Lines[] = {
        u"/a4a419968/a4a520108/a4a419968/b0b020108/",  // the first entry of a number counts
        u"/a4401119968/a4a4119968/",                   // a longer number holds the digits
        u"//////a4a419968/x/ab/abcd0123/abcd123/abcd/",
        u"/a4a4-5/a4a4007/a4a40/a4a4:/",               // ":" is no digit, though it follows "9"
        u"/a4a419968",                                  // no "/" after the last entry
        u"",
    };
    const std::u16string readingLines[] = {
        u"a4a4:nhất/nhứt\\a4a5:nhị\\a4a4:khác\\",
        u"x:y:z\\:empty\\a\\b:c\\\\d:e/f\\",
        u"4E00:một\\2000B:người\\FF0D:.\\",
        u"k:" + std::u16string(60, u'x') + u"\\a4a4:noend",
        u"",
    };
    for (const auto big5 : big5Lines)
        for (const auto& reading : readingLines) ExpectSameAnswers(big5, reading);
}

}  // namespace
}  // namespace orvik
