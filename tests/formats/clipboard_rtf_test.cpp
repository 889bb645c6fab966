// The clipboard's RTF as the look-up and the transcription read it (pairs of
// escaped halves joined, plain text rendered), and the plain text offered
// beside the RTF of a pick or a reading.
#include "formats/clipboard_rtf.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text.h"
#include "formats/rtf_plain_text.h"

namespace orvik {
namespace {

struct Case {
    std::u16string_view in;
    std::u16string_view out;
};

// Everything but a first half right before its second is kept as it was.
TEST(JoinSurrogateEscapesTest, PairsBecomeOneEscapeOfTheirCodePoint) {
    const Case cases[] = {
        // Word: negative halves, "?" after each.
        {u"a\\u-10179?\\u-8704?b", u"a\\u128512?b"},
        // LibreOffice: "\uc0 " before the pair, "\uc1 " between, a hex fallback.
        {u"{\\dbch\r\n\\uc0 \\u55360\\uc1 \\u56987\\'3f \\uc0 \\u55366\\uc1 \\u56888\\'3f \\u21891\\'3f}",
         u"{\\dbch\r\n\\u131739? \\u137784? \\u21891\\'3f}"},
        {u"\\uc1 \\u55357 ?\\u56832 ?x", u"\\u128512?x"},
        // The count left after the pair differs from the one before it: kept.
        {u"\\u55357?\\uc0 \\u56832 x\\u20320 y", u"\\u128512?\\uc0 x\\u20320 y"},
        {u"{\\uc0\\u55360\\u56987 x}", u"{\\u131739?\\uc0 x}"},
        // A count in effect with no "\ucN" near the pair gives its fallback.
        {u"{\\uc0 a\\u55360\\u56987 x}", u"{\\uc0 a\\u131739 x}"},
        {u"\\uc2 \\u-10179\\'81\\'40\\u-8704\\'81\\'40z", u"\\u128512?\\uc2 z"},
        {u"\\u-10179?\r\n\\u-8704?", u"\\u128512?"},
        {u"\\u55357?\\u55357?\\u56832?", u"\\u55357?\\u128512?"},
    };
    for (const Case& c : cases) EXPECT_EQ(U16ToUtf8(JoinSurrogateEscapes(c.in)), U16ToUtf8(c.out)) << U16ToUtf8(c.in);
    const std::u16string_view kept[] = {
        u"\\u55357?abc",                           // a lone first half
        u"\\u56832?\\u55357?",                     // halves in the wrong order
        u"\\u55357?\\u20320?",                     // a first half before a BMP character
        u"{\\u-10179\\'3f}{\\u-8704\\'3f}",        // halves in two groups
        u"\\\\u55357?\\u56832?",                   // an escaped backslash, then "u"
        u"\\u55357?\\uc",                          // the text ends in the middle
        u"\\u-10179",
        u"{\\rtf1\\ansi \\'a4\\'a4 \\u20320\\'3f\xe0\xff\\par }",
        u"\\uc999999999999 \\u55357\\u56832",      // an absurd count: the second half is skipped as fallback
    };
    for (std::u16string_view rtf : kept) EXPECT_EQ(U16ToUtf8(JoinSurrogateEscapes(rtf)), U16ToUtf8(rtf));
}

TEST(PlainTextRtfTest, RendersTextAsRtfEscapes) {
    const Case cases[] = {
        {u"漢字 chữ Nôm 𠊛", u"{\\rtf1 \\u28450?\\u23383? ch\\u7919? N\\u244?m \\u131739?}"},
        {u"龍\U0001F600", u"{\\rtf1 \\u-24691?\\u128512?}"},
        {u"a\r\nb\nc\rd\te", u"{\\rtf1 a\\par b\\par c\\par d\\tab e}"},
        {u"{\\}", u"{\\rtf1 \\{\\\\\\}}"},
        {u"\xD800x\xDC00", u"{\\rtf1 \\u-10240?x\\u-9216?}"},  // lone halves as units
        {u"\uFFFF\u0080", u"{\\rtf1 \\u-1?\\u128?}"},
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(U16ToUtf8(PlainTextRtf(c.in)), U16ToUtf8(c.out)) << U16ToUtf8(c.in);
}

TEST(OwnerRtfTest, LongTextsAreCutAtTheReadLimit) {
    // Cut RTF keeps its pairs as written, so it does not shrink.
    std::string bytes;
    while (bytes.size() <= kClipboardReadLimit) bytes += "\\u-10179?\\u-8704?";
    EXPECT_EQ(OwnerRtf(bytes, true), FromBytes(bytes.substr(0, kClipboardReadLimit)));
    EXPECT_EQ(OwnerRtf("\\u-10179?\\u-8704?", true), u"\\u128512?");
    EXPECT_EQ(OwnerRtf("\\u-10179?\\u-8704?", false), u"\\u-10179?\\u-8704?");
    EXPECT_EQ(OwnerRtf("\xe0", true), u"\xe0");  // one character per byte

    // A cut never splits a pair of halves.
    std::u16string text(kClipboardReadLimit - 1, u'x');
    text += u"\U00020000";
    EXPECT_EQ(PlainTextOwnerRtf(text), PlainTextRtf(std::u16string(kClipboardReadLimit - 1, u'x')));
}

constexpr std::u16string_view kCandidateHead =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset1 Chu Nom Minh "
    u"U;}}\\uc1\\pard\\f0\\fs32";
constexpr std::u16string_view kReadingHead =
    u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}}{\\colortbl "
    u";\\red0\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 ";

TEST(RtfPlainTextTest, PicksAndReadingsGiveTheirCharacters) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {std::u16string(kCandidateHead) + u"\\u19968\\'3f}", u"一"},
        {std::u16string(kCandidateHead) + u"\\u-24691\\'3f}", u"\u9F8D"},
        {std::u16string(kCandidateHead) + u"\\u-10176?\\u-9216?}", u"\U00020000"},
        {std::u16string(kReadingHead) + u"h\u00F2a}", u"h\u00F2a"},
        {std::u16string(kReadingHead) + u"\\u273\\'3fi\\u7879\\'3fn}", u"\u0111i\u1EC7n"},
        {std::u16string(kReadingHead) + u"}", u""},
        {u"{\\rtf1 a\\par b\\tab c\\{\\}\\\\}", u"a\nb\tc{}\\"},
        {u"{\\rtf1\\uc2 \\u20320\\'3f\\'3fx}", u"\u4F60x"},
        {u"{\\rtf1{\\*\\generator Writer;}\\'e0\r\nb}", u"\u00E0b"},
        {u"}}}a{", u"a"},  // damaged text ends without harm
    };
    for (const auto& [rtf, text] : cases) EXPECT_EQ(U16ToUtf8(RtfPlainText(rtf)), U16ToUtf8(text)) << U16ToUtf8(rtf);
}

// Escapes cut off by the end of the text read no further.
TEST(RtfPlainTextTest, DamagedTextEndsWithoutHarm) {
    for (std::u16string_view rtf : {u"{\\rtf1 \\u", u"\\'", u"\\'4", u"{\\u99999999999999x}", u"\\"})
        EXPECT_LE(RtfPlainText(rtf).size(), rtf.size());
}

}  // namespace
}  // namespace orvik
