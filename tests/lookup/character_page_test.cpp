#include "lookup/character_page.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

// 「 is a Big5 symbol, listed in a Nom line here too; 们 (20204) is a
// variant key of 們 (20497); 30000 names a target no line lists; 40000 lies
// in no dictionary.
LookupLines Lines() {
    LookupLines lines;
    lines.Big5Line = u"/a17512300/a4a419968/a4a520108/a56e21335/a5cc20497/b0a030000/";
    lines.VariantLine = u"1996820108/2049720204/3000130000/";
    lines.NomLine = u"12300/19968/131083/";
    return lines;
}

TEST(CharacterPage, ChoosesAPageTheDictionariesHoldByTheMode) {
    const ModeScripts han{true, false}, nom{false, true}, both{true, true};
    struct Case {
        std::int32_t codePoint;
        ModeScripts scripts;
        std::optional<std::u16string_view> page;
    };
    const Case cases[] = {
        {19968, han, u"its:hvtdu.chm::/html\\hv19968.htm"},
        {20108, han, u"its:hvtdu.chm::/html\\hv19968.htm"},  // a variant key shows its target
        {20204, han, u"its:hvtdu.chm::/html\\hv20497.htm"},
        {30000, han, u"its:hvtdu.chm::/html\\hv30000.htm"},  // its target has no page: its own
        {131083, han, u"its:nomtdu.chm::/n131083.htm"},      // not in the Han dictionary
        {12300, han, std::nullopt},                          // a symbol
        {40000, han, std::nullopt},
        {19968, nom, u"its:nomtdu.chm::/n19968.htm"},
        {131083, nom, u"its:nomtdu.chm::/n131083.htm"},
        {21335, nom, u"its:hvtdu.chm::/html\\hv21335.htm"},  // not in the Nom dictionary
        {20204, nom, u"its:hvtdu.chm::/html\\hv20497.htm"},
        {12300, nom, std::nullopt},
        {40000, nom, std::nullopt},
        {19968, both, u"its:nomtdu.chm::/n19968.htm"},  // a Nom mode wins
        {19968, ModeScripts{}, std::nullopt},
    };
    const LookupLines lines = Lines();
    for (const auto& c : cases) EXPECT_EQ(CharacterPage(c.codePoint, c.scripts, lines), c.page) << c.codePoint;
}

}  // namespace
}  // namespace orvik
