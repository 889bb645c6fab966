#include "lookup/code_tables.h"

#include <gtest/gtest.h>

#include "engine/text.h"
#include "lookup/shared_lines.h"
#include "platform/fake/recording_platform.h"

namespace orvik {
namespace {

constexpr std::u16string_view kBig5 = u"/a4a419968/a4a520108/a44c4123/";
constexpr std::u16string_view kVariants = u"1996820108/0000104123/";

TEST(CodeTables, LooksUpBig5CodesAndCodePoints) {
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"a4a4"), 19968);
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"A4A5"), 20108);
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"a44c"), 4123);  // the number stops at "/"
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"b000"), std::nullopt);
    EXPECT_EQ(CodePointToBig5(kBig5, 19968), u"a4a4");
    EXPECT_EQ(CodePointToBig5(kBig5, 4123), u"a44c");
    EXPECT_EQ(CodePointToBig5(kBig5, 30000), std::nullopt);
    EXPECT_TRUE(ListsCodePoint(kBig5, 20108));
    EXPECT_TRUE(ListsCodePoint(kBig5, 123));  // a plain substring test
    EXPECT_FALSE(ListsCodePoint(kBig5, 2010));
}

TEST(CodeTables, FindsVariantTargetsAndFirstReadings) {
    EXPECT_EQ(VariantTarget(kVariants, 20108), 19968);
    // "4123/" is the tail of the key 04123, so the five characters before it
    // straddle the target: the plain substring rule reads 00010.
    EXPECT_EQ(VariantTarget(kVariants, 4123), 10);
    EXPECT_EQ(VariantTarget(kVariants, 19968), std::nullopt);
    EXPECT_EQ(VariantTarget(u"20108/", 20108), std::nullopt);  // no target before it
    const std::u16string readings = u"a4a4:nhất/nhứt\\a4a5:nhị\\4E00:" + std::u16string(60, u'x');
    EXPECT_EQ(FirstReading(readings, u"a4a4"), u"nhất");
    EXPECT_EQ(FirstReading(readings, u"a4a5"), u"nhị");
    EXPECT_EQ(FirstReading(readings, u"4E00"), std::u16string(50, u'x'));
    EXPECT_EQ(FirstReading(readings, u"ffff"), std::nullopt);
}

TEST(CodeTables, AddressesDictionaryPages) {
    EXPECT_EQ(HanPageAddress(19968), u"its:hvtdu.chm::/html\\hv19968.htm");
    EXPECT_EQ(NomPageAddress(19968), u"its:nomtdu.chm::/n19968.htm");
    EXPECT_EQ(NomPageAddress(131083), u"its:nomtdu.chm::/n131083.htm");
    EXPECT_EQ(VietPageAddress(u"anh"), u"its:tdviet.chm::/vanh.htm");
}

TEST(SharedLines, ReadsTheWordListOnceAndRetriesWhenMissing) {
    RecordingPlatform platform;
    LookupLines lines;
    EXPECT_TRUE(EnsureVietIndex(platform, lines.VietIndexText).has_value());
    platform.SetFile("/current/tdviet.idx", "/anh/ba/\xc4\x91i");
    EXPECT_FALSE(EnsureVietIndex(platform, lines.VietIndexText).has_value());
    EXPECT_EQ(lines.VietIndexText, u"/anh/ba/đi");
    EXPECT_GT(Find(lines.VietIndexText, u"/an"), 0);  // a prefix counts as listed
    EXPECT_FALSE(EnsureVietIndex(platform, lines.VietIndexText).has_value());
    EXPECT_EQ(platform.Calls().size(), 2u);
}

TEST(SharedLines, SplitsTonaroPairsAtTheFirstSlash) {
    RecordingPlatform platform;
    // A line without "/" ends the list.
    platform.SetFile("/current/Tonaro.txt", "nhứt/nhất\r\na/b/c\r\nno pair\r\nx/y\r\n");
    auto pairs = LoadTonaroPairs(platform);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (std::pair<std::u16string, std::u16string>{u"nhứt", u"nhất"}));
    EXPECT_EQ(pairs[1].second, u"b/c");
    // A file that is not UTF-8 is read one character per byte.
    platform.SetFile("/current/Tonaro.txt", "\xab\xff/x");
    pairs = LoadTonaroPairs(platform);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first, u"\xab\xff");
}

}  // namespace
}  // namespace orvik
