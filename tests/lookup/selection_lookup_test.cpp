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

// 「 」 ， are Big5 symbols; 你 (20320) lies in no dictionary; 二 (20108) is
// a variant key of 一 (19968), 30000 of 30001, which no line lists.
LookupLines Lines() {
    LookupLines lines;
    lines.Big5Line = u"/a14065292/a17512300/a17612301/a4a419968/a4a520108/a56e21335/b0a030000/";
    lines.VariantLine = u"1996820108/3000130000/";
    lines.NomLine = u"19968/131083/";
    return lines;
}

constexpr std::u16string_view kHan19968 = u"its:hvtdu.chm::/html\\hv19968.htm";
constexpr std::u16string_view kHan21335 = u"its:hvtdu.chm::/html\\hv21335.htm";
constexpr std::u16string_view kNom19968 = u"its:nomtdu.chm::/n19968.htm";
constexpr std::u16string_view kNom131083 = u"its:nomtdu.chm::/n131083.htm";

// The page of the first character of the copied RTF that has one: in the
// dictionary of the mode, else in the other.
TEST(SelectionPage, OpensTheFirstCharacterThatHasAPage) {
    const ModeScripts han{true, false}, nom{false, true}, both{true, true};
    struct Case {
        std::u16string rtf;
        ModeScripts scripts;
        std::optional<std::u16string_view> page;
    };
    const Case cases[] = {
        {u"{\\rtf1 \\u12300?\\u21335?\\u12301?}", han, kHan21335},  // 「南」
        {u"{\\rtf1 \\u-244?\\u19968?}", han, kHan19968},           // ， written negative
        {u"\\uc1\\u66?\\u233?\\u20320?\\u19968?", han, kHan19968},  // letters and 你 passed over
        {u"\\u20108?", han, kHan19968},                             // a variant key shows its target
        {u"\\u20108?", nom, kHan19968},
        {u"\\u30000?", han, u"its:hvtdu.chm::/html\\hv30000.htm"},  // its target has no page: its own
        {u"\\u-10179?\\u-8704?\\u-10176?\\u-9205?", han, kNom131083},  // an emoji, then 𠀋
        {u"\\u12300?\\u-10176?\\u-9205?", nom, kNom131083},
        {u"\\u12300?\\u21335?", nom, kHan21335},  // not in the Nom dictionary
        {u"\\u19968?", nom, kNom19968},
        {u"\\u19968?", both, kNom19968},  // a Nom mode wins
        // After 1500 escapes the scan gives up and the Big5 escapes are read.
        {Repeat(u"\\u97?", 1500) + u"\\u19968?\\'a5\\'6e", han, kHan21335},
        {Repeat(u"\\u97?", 1499) + u"\\u19968?\\'a5\\'6e", han, kHan19968},
        {u"\\'a1\\'75\\'a5\\'6e\\'a1\\'76", han, kHan21335},  // 「南」 in Big5
        {u"\\'a4\\'a6\\'a4\\'a4", han, kHan19968},            // a code the line lacks, then 一
        {u"\\'a4\\\\x\\'a4\\'a4", han, kHan19968},            // an escaped backslash as the trail
        {u"\\u12300?\\u12301?\\'a1\\'75", han, std::nullopt},  // symbols alone
        {u"\\u12300?", nom, std::nullopt},
        {u"\\u20320?", han, std::nullopt},
        {u"\\u20320?", nom, std::nullopt},
        {u"\\u55360?", han, std::nullopt},  // a high half with nothing after it
        {u"plain text", han, std::nullopt},
        {u"", han, std::nullopt},
        {u"\\u19968?", ModeScripts{}, std::nullopt},
    };
    const LookupLines lines = Lines();
    for (const auto& c : cases) {
        const auto page = SelectionPage(c.rtf, c.scripts, lines);
        EXPECT_EQ(page, c.page) << U16ToUtf8(c.rtf.substr(0, 80));
    }
}

}  // namespace
}  // namespace orvik
