// The indexed look-ups of the transcription answer as the searches along
// the lines do, on the lines' shapes, their traps and on random lines.
#include "lookup/transcription_lookups.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/text.h"
#include "lookup/code_tables.h"

namespace orvik {
namespace {

// Every number and key the line holds, their neighbours, and odd ones.
std::vector<std::int32_t> CodesToTry(std::u16string_view line) {
    std::vector<std::int32_t> codes{-5, 0, 7, 256, 19968, 65535, 65536, 131083, 1119968};
    std::int32_t number = 0;
    for (const char16_t c : line) {
        if (c >= u'0' && c <= u'9' && number < 10'000'000) {
            number = number * 10 + (c - u'0');
            continue;
        }
        for (const std::int32_t near : {number - 1, number, number + 1}) codes.push_back(near);
        number = 0;
    }
    return codes;
}

std::vector<std::u16string> KeysToTry(std::u16string_view line) {
    std::vector<std::u16string> keys{u"", u"a4a4", u"4E00", u"zz", u"a:b", u"\\"};
    for (std::size_t from = 0; from < line.size(); ++from)
        for (std::size_t length = 1; length <= 6 && from + length <= line.size(); ++length)
            keys.emplace_back(line.substr(from, length));
    return keys;
}

void ExpectSameAnswers(const LookupLines& lines) {
    TranscriptionLookups lookups(lines);
    for (const std::int32_t code : CodesToTry(lines.Big5Line))
        ASSERT_EQ(lookups.Big5Of(code), CodePointToBig5(lines.Big5Line, code))
            << code << " in " << U16ToUtf8(lines.Big5Line);
    for (const std::u16string& key : KeysToTry(lines.ReadingLine))
        ASSERT_EQ(lookups.FirstReadingOf(key), FirstReading(lines.ReadingLine, key))
            << U16ToUtf8(key) << " in " << U16ToUtf8(lines.ReadingLine);
}

TEST(TranscriptionLookupsTest, AnswerAsTheSearchesOnTheLinesTraps) {
    const std::u16string_view big5Lines[] = {
        u"/a4a419968/a4a520108/a4a419968/b0b020108/",  // the first entry of a number counts
        u"/a4401119968/a4a4119968/",                   // a longer number holds the digits
        u"//////a4a419968/x/ab/abcd0123/abcd123/abcd/",
        u"/a4a4-5/a4a4007/a4a40/",
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
    for (const auto big5 : big5Lines) {
        for (const auto& reading : readingLines) {
            LookupLines lines;
            lines.Big5Line = big5;
            lines.ReadingLine = reading;
            ExpectSameAnswers(lines);
        }
    }
}

TEST(TranscriptionLookupsTest, AnswerAsTheSearchesOnRandomLines) {
    std::mt19937 random(2004);
    const std::u16string_view alphabet = u"/:\\a4019";
    const auto randomLine = [&] {
        std::u16string line(random() % 40, u' ');
        for (char16_t& c : line) c = alphabet[random() % alphabet.size()];
        return line;
    };
    for (int round = 0; round < 300; ++round) {
        LookupLines lines;
        lines.Big5Line = randomLine();
        lines.ReadingLine = randomLine();
        ExpectSameAnswers(lines);
    }
}

}  // namespace
}  // namespace orvik
