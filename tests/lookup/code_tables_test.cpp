#include "lookup/code_tables.h"

#include <gtest/gtest.h>

#include "engine/text.h"
#include "lookup/code_table_shape.h"
#include "lookup/shared_lines.h"
#include "doubles/memory_files.h"

namespace orvik {
namespace {

constexpr std::u16string_view kBig5 = u"/a4a419968/a4a520108/a44c4123/a44019968/";
constexpr std::u16string_view kVariants = u"1996820108/0000104123/1346813468/8000080000/";
constexpr std::u16string_view kNom = u"19968/134688/";

TEST(CodeTables, LooksUpBig5CodesAndCodePoints) {
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"a4a4"), 19968);
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"A4A5"), 20108);
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"a44c"), 4123);  // the number stops at "/"
    EXPECT_EQ(Big5ToCodePoint(kBig5, u"b000"), std::nullopt);
    EXPECT_EQ(CodePointToBig5(kBig5, 19968), u"a4a4");
    EXPECT_EQ(CodePointToBig5(kBig5, 4123), u"a44c");
    EXPECT_EQ(CodePointToBig5(kBig5, 30000), std::nullopt);
}

// Only a match at an entry's boundary counts: a number is never the tail of
// a longer one, nor a run across two entries.
TEST(CodeTables, MatchesOnlyWholeEntries) {
    struct Case { std::int32_t codePoint; bool inBig5, inNom; std::optional<std::int32_t> target; };
    const Case cases[] = {
        {19968, true, true, std::nullopt},
        {20108, true, false, 19968},
        {4123, true, false, std::nullopt},  // keys are written with five digits
        {123, false, false, std::nullopt},     // the tail of 4123
        {9968, false, false, std::nullopt},    // the tail of 19968
        {4019968, false, false, std::nullopt}, // "a440" + 19968 read as one number
        {134688, false, true, std::nullopt},   // "...13468" + "8...." of two variant entries
        {13468, false, false, 13468},
        {34688, false, false, std::nullopt},
    };
    const VariantTable indexed{std::u16string(kVariants)};
    for (const auto& c : cases) {
        EXPECT_EQ(FindBig5Entry(kBig5, c.codePoint) > 0, c.inBig5) << c.codePoint;
        EXPECT_EQ(FindNomEntry(kNom, c.codePoint) > 0, c.inNom) << c.codePoint;
        EXPECT_EQ(VariantTarget(kVariants, c.codePoint), c.target) << c.codePoint;
        EXPECT_EQ(VariantTarget(indexed, c.codePoint), c.target) << c.codePoint;
    }
    // U+26F0 is 9968 and not in Big5: no Big5 code from "/a44019968/".
    EXPECT_EQ(CodePointToBig5(kBig5, 0x26F0), std::nullopt);
    EXPECT_EQ(VariantTarget(u"20108/", 20108), std::nullopt);  // no target before it
}

// Big5Line lists the Big5 symbols beside the ideographs, and a line could
// list anything: only an ideograph has a dictionary page.
TEST(CodeTables, OnlyListedIdeographsHavePages) {
    struct Case { std::int32_t codePoint; bool page; };
    // 「 ， 〇 (which Big5 codes among its symbols) and a Hangzhou numeral,
    // then the edges of the ideograph blocks.
    const Case cases[] = {
        {0x300C, false}, {0xFF0C, false}, {0x3007, false}, {0x3021, false}, {0x3400, true},  {0x4DBF, true},
        {0x4E00, true},  {0x9FFF, true},  {0xF900, true},  {0xFAFF, true},  {0x20000, true}, {0x3FFFF, true},
        {0x33FF, false}, {0x4DC0, false}, {0xA000, false}, {0xF8FF, false}, {0xFB00, false}, {0x1FFFF, false},
        {0x40000, false},
    };
    std::u16string big5 = u"/", nom;
    for (const auto& c : cases) {
        big5 += u"a440" + DecimalText(c.codePoint) + u"/";
        nom += DecimalText(c.codePoint) + u"/";
    }
    for (const auto& c : cases) {
        EXPECT_EQ(HasHanPage(big5, c.codePoint), c.page) << std::hex << c.codePoint;
        EXPECT_EQ(HasNomPage(nom, c.codePoint), c.page) << std::hex << c.codePoint;
    }
}

// tdviet.idx has no "/" after its last key.
TEST(CodeTables, AVietnameseWordHasAPageOnlyAsAWholeKey) {
    const std::u16string_view words = u"/a/aa/anh/ba/đi";
    struct Case { std::u16string_view key; bool page; };
    const Case cases[] = {
        {u"a", true},   {u"anh", true}, {u"đi", true},  // the last key
        {u"an", false},                                  // the start of "anh"
        {u"b", false},  {u"đ", false},  {u"", false},
        {u"aa/anh", false},                              // a key holds no "/"
    };
    for (const auto& c : cases) EXPECT_EQ(HasVietPage(words, c.key), c.page) << U16ToUtf8(c.key);
}

// The first entry out of shape is named by its line and the position where
// it starts; a whole line of good entries, each at its longest, passes.
TEST(CodeTableShape, NamesTheFirstEntryOutOfShape) {
    struct Case { int line; std::u16string text; std::u16string_view problem; };
    const Case cases[] = {
        {1, u"/a44012345/f9fe1/", u""},
        {1, u"", u"Tệp big5uni.idx, dòng 1 trống"},
        {1, u"a44019968/", u"Tệp big5uni.idx, dòng 1, ký tự thứ 1:"},
        {1, u"/A44019968/", u"Tệp big5uni.idx, dòng 1, ký tự thứ 2:"},
        {1, u"/a4g019968/", u"Tệp big5uni.idx, dòng 1, ký tự thứ 2:"},
        {1, u"/a440/", u"Tệp big5uni.idx, dòng 1, ký tự thứ 2:"},
        {1, u"/a440123456/", u"Tệp big5uni.idx, dòng 1, ký tự thứ 2:"},
        {1, u"/a44019968/a4401", u"Tệp big5uni.idx, dòng 1, ký tự thứ 12:"},
        {1, u"/a44019968/a4401x", u"Tệp big5uni.idx, dòng 1, ký tự thứ 12:"},
        {2, u"1996819969/0000100002/", u""},
        {2, u"199681996/", u"Tệp big5uni.idx, dòng 2, ký tự thứ 1:"},
        {2, u"19968199690/", u"Tệp big5uni.idx, dòng 2, ký tự thứ 1:"},
        {2, u"1996819969/1996819969", u"Tệp big5uni.idx, dòng 2, ký tự thứ 12:"},
        {3, u"1/1234567/", u""},
        {3, u"1/12345678/", u"Tệp big5uni.idx, dòng 3, ký tự thứ 3:"},
        {3, u"/", u"Tệp big5uni.idx, dòng 3, ký tự thứ 1:"},
        {3, u"131083", u"Tệp big5uni.idx, dòng 3, ký tự thứ 1:"},
    };
    for (const auto& c : cases) {
        std::u16string texts[] = {u"/a44019968/", u"1996819969/", u"131083/"};
        texts[c.line - 1] = c.text;
        LookupLines lines;
        lines.Big5Line = texts[0];
        lines.VariantLine = texts[1];
        lines.NomLine = texts[2];
        const std::u16string problem = CodeTableShapeProblem(lines).value_or(u"");
        EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem) << U16ToUtf8(c.text) << ": " << U16ToUtf8(problem);
        EXPECT_EQ(problem.empty(), c.problem.empty()) << U16ToUtf8(c.text);
    }
}

TEST(SharedLines, ReadsTheWordListOnceAndRetriesWhenMissing) {
    std::vector<std::string> calls;
    MemoryFiles files(calls);
    LookupLines lines;
    EXPECT_TRUE(EnsureVietIndex(files, lines.VietIndexText).has_value());
    files.SetFile("/current/tdviet.idx", "/anh/ba/\xc4\x91i");
    EXPECT_FALSE(EnsureVietIndex(files, lines.VietIndexText).has_value());
    EXPECT_EQ(lines.VietIndexText, u"/anh/ba/đi");
    EXPECT_GT(Find(lines.VietIndexText, u"/an"), 0);  // a prefix counts as listed
    EXPECT_FALSE(EnsureVietIndex(files, lines.VietIndexText).has_value());
    EXPECT_EQ(calls.size(), 2u);
}

TEST(SharedLines, SplitsTonaroPairsAtTheFirstSlash) {
    std::vector<std::string> calls;
    MemoryFiles files(calls);
    // A line without "/" ends the list.
    files.SetFile("/current/Tonaro.txt", "nhứt/nhất\r\na/b/c\r\nno pair\r\nx/y\r\n");
    auto pairs = LoadTonaroPairs(files);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0], (std::pair<std::u16string, std::u16string>{u"nhứt", u"nhất"}));
    EXPECT_EQ(pairs[1].second, u"b/c");
    // A file that is not UTF-8 is read one character per byte.
    files.SetFile("/current/Tonaro.txt", "\xab\xff/x");
    pairs = LoadTonaroPairs(files);
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].first, u"\xab\xff");
}

}  // namespace
}  // namespace orvik
