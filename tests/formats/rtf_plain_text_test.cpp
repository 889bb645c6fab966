// The plain text offered beside the RTF of a pick or a reading.
#include "formats/rtf_plain_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvik {
namespace {

constexpr std::u16string_view kCandidateHead =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset1 Chu Nom Minh "
    u"U;}}\\uc1\\pard\\f0\\fs32";
constexpr std::u16string_view kReadingHead =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}}{\\colortbl "
    u";\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 ";

struct Case {
    std::u16string rtf;
    std::u16string text;
};

TEST(RtfPlainTextTest, PicksAndReadingsGiveTheirCharacters) {
    const std::vector<Case> cases{
        {std::u16string(kCandidateHead) + u"\\u19968\\'3f}", u"一"},
        {std::u16string(kCandidateHead) + u"\\u-24691\\'3f}", u"\u9F8D"},
        {std::u16string(kCandidateHead) + u"\\u-10176?\\u-9216?}", u"\U00020000"},
        {std::u16string(kReadingHead) + u"h\u00F2a}", u"h\u00F2a"},
        {std::u16string(kReadingHead) + u"\\u273\\'3fi\\u7879\\'3fn}", u"\u0111i\u1EC7n"},
        {std::u16string(kReadingHead) + u"}", u""},
        {u"{\\rtf1 a\\par b\\tab c\\{\\}\\\\}", u"a\nb\tc{}\\"},
        {u"{\\rtf1\\uc2 \\u20320\\'3f\\'3fx}", u"\u4F60x"},
        {u"{\\rtf1{\\*\\generator Writer;}\\'e0\r\nb}", u"\u00E0b"},
    };
    for (const Case& c : cases) EXPECT_EQ(RtfPlainText(c.rtf), c.text) << std::string(c.rtf.begin(), c.rtf.end());
}

TEST(RtfPlainTextTest, DamagedTextEndsWithoutHarm) {
    for (std::u16string_view rtf : {u"{\\rtf1 \\u", u"}}}a{", u"\\'", u"\\'4", u"{\\u99999999999999x}", u"\\"})
        EXPECT_LE(RtfPlainText(rtf).size(), rtf.size());
    EXPECT_EQ(RtfPlainText(u"}}}a{"), u"a");
}

}  // namespace
}  // namespace orvik
