// The clipboard's RTF as the look-up and the transcription read it: pairs of
// escaped halves joined, plain text rendered.
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

std::string Shown(std::u16string_view text) { return U16ToUtf8(text); }

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
    for (const Case& c : cases) EXPECT_EQ(Shown(JoinSurrogateEscapes(c.in)), Shown(c.out)) << Shown(c.in);
}

TEST(JoinSurrogateEscapesTest, EverythingElseIsKeptAsItWas) {
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
    for (std::u16string_view rtf : kept) EXPECT_EQ(Shown(JoinSurrogateEscapes(rtf)), Shown(rtf));
}

TEST(PlainTextRtfTest, RendersTextAsRtfEscapes) {
    const Case cases[] = {
        {u"漢字 chữ Nôm 𠊛", u"{\\rtf1 \\u28450?\\u23383? ch\\u7919? N\\u244?m \\u131739?}"},
        {u"龍\U0001F600", u"{\\rtf1 \\u-24691?\\u128512?}"},
        {u"a\r\nb\nc\rd\te", u"{\\rtf1 a\\par b\\par c\\par d\\tab e}"},
        {u"{\\}", u"{\\rtf1 \\{\\\\\\}}"},
        {u"\xD800x\xDC00", u"{\\rtf1 \\u-10240?x\\u-9216?}"},  // lone halves as units
        {u"", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Shown(PlainTextRtf(c.in)), Shown(c.out)) << Shown(c.in);
}

// RTF readers take "\u" escapes as 16-bit units, so only text of the Basic
// Multilingual Plane comes back whole.
TEST(PlainTextRtfTest, AnRtfReaderGetsTheTextBack) {
    for (std::u16string_view text : {u"漢字 chữ Nôm", u"{a}\\b\n\tc ?", u"\uFFFF\u0080\u9F8D"})
        EXPECT_EQ(Shown(RtfPlainText(PlainTextRtf(text))), Shown(text));
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

}  // namespace
}  // namespace orvik
