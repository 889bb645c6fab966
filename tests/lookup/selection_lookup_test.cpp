#include "lookup/selection_lookup.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

std::u16string Repeat(std::u16string_view piece, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(SelectedCodePoint, ReadsTheFirstIdeographOfUnicodeOrBig5Escapes) {
    const std::u16string big5Line = u"/a44019968/a45c20108/a4a419968/a4a520108/";
    struct Case {
        std::u16string rtf;
        std::optional<std::int32_t> codePoint;
    };
    const Case cases[] = {
        {u"{\\rtf1 \\u20320?}", 20320},
        {u"{\\rtf1 \\u-3000?}", 62536},
        {u"\\u-10179?\\u-8704?", 0x1F600},
        {u"\\uc1\\u66?\\u233?\\u20320?\\u19968?", 20320},  // Latin letters are passed over
        // After 1500 escapes the scan gives up and the Big5 escapes are read.
        {Repeat(u"\\u97?", 1500) + u"\\u20320?\\'a4\\'a5", 20108},
        {Repeat(u"\\u97?", 1499) + u"\\u20320?", 20320},
        {u"\\u97?\\'a4\\'a4", 19968},
        {u"\\'a4@", 19968},          // a literal trail byte
        {u"\\'a4\\\\x", 20108},      // an escaped backslash as the trail
        {u"\\'a4\\'a6", std::nullopt},  // a code the Big5 line lacks
        {u"plain text", std::nullopt},
        {u"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(SelectedCodePoint(c.rtf, big5Line), c.codePoint) << U16ToUtf8(c.rtf);
}

TEST(SelectionPageAddress, FollowsTheCheckedMode) {
    LookupLines lines;
    lines.Big5Line = u"/a4a419968/a4a520108/";
    lines.VariantLine = u"1996820108/";
    lines.NomLine = u"20108/131083/";
    const ModeScripts han{true, false}, nom{false, true}, none{};
    struct Case {
        std::int32_t codePoint;
        ModeScripts scripts;
        std::u16string_view page;
    };
    const Case cases[] = {
        {19968, han, u"its:hvtdu.chm::/html\\hv19968.htm"},
        {20108, han, u"its:hvtdu.chm::/html\\hv19968.htm"},  // a variant key shows its target
        {131083, han, u"its:nomtdu.chm::/n131083.htm"},      // not in the Han dictionary
        {131083, nom, u"its:nomtdu.chm::/n131083.htm"},
        {19968, nom, u"its:hvtdu.chm::/html\\hv19968.htm"},  // not in the Nom dictionary
        {20108, nom, u"its:nomtdu.chm::/n20108.htm"},        // no variant look-up in a Nom mode
        {19968, none, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SelectionPageAddress(c.codePoint, c.scripts, lines), c.page) << c.codePoint;
}

}  // namespace
}  // namespace orvik
