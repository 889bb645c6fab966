// The sources read into the characters: Unihan, the Big5 charmap, KANJIDIC2
// and the Guangyun, with the readings' tone marks in one style.
#include "characters.h"

#include <gtest/gtest.h>

#include "big5_charmap.h"
#include "build_error.h"
#include "kanjidic.h"
#include "middle_chinese.h"
#include "tone_style.h"
#include "unihan_sample.h"

namespace orvik::mkdata {
namespace {

TEST(Unihan, KeepsOnlyWantedFieldsAndSkipsComments) {
    Unihan unihan({"kBigFive"});
    unihan.AddText("# U+9999\tkBigFive\tA440\nU+4E00\tkBigFive\tA440\r\nU+4E00\tkMandarin\tyī\nbroken line\n");
    EXPECT_EQ(unihan.Field(0x4E00, "kBigFive"), "A440");
    EXPECT_EQ(unihan.Field(0x4E00, "kMandarin"), "");
    EXPECT_EQ(unihan.Characters(), std::vector<char32_t>{0x4E00});
}

// The lookup tables' tests see the readings, lower-cased and inherited.
TEST(Characters, GathersCodesAndFrequenciesAndKeepsItsSetsInTheirOrder) {
    const Characters chars = SampleCharacters();
    const Ideograph& one = *chars.Find(0x4E00);
    EXPECT_EQ(std::tuple(one.big5, one.pinlu, one.frequencyTier), std::tuple(0xA440, 32757, 1));
    // 們 reads as its variant 们: the reading is not its own.
    EXPECT_TRUE(chars.Find(0x5011)->vietInherited);
    EXPECT_FALSE(chars.Find(0x5011)->HasOwnReading());
    EXPECT_EQ(chars.Big5Set(), (std::vector<char32_t>{0x4E00, 0x79BE, 0x5011, 0x58F9}));
    EXPECT_EQ(chars.NomSet(), (std::vector<char32_t>{0x4E00, 0x4EEC, 0x58F9, 0x2029B}));
    EXPECT_EQ(chars.HanReadingSet(), (std::vector<char32_t>{0x4E00, 0x4EEC, 0x5011, 0x58F9}));
    // 一 has corpus counts, 們 tier 2, 壹 only its Big5 code, 𠊛 nothing.
    std::vector<char32_t> cps = {0x2029B, 0x58F9, 0x5011, 0x4E00};
    chars.SortByFrequency(cps);
    EXPECT_EQ(cps, (std::vector<char32_t>{0x4E00, 0x5011, 0x58F9, 0x2029B}));
}

// Ideographs keep Unihan's codes; a character listed twice keeps its first
// code.
TEST(Big5Charmap, SymbolsAreTheTwoByteEntriesUnihanDoesNotList) {
    const std::string text =
        "<code_set_name> BIG5\n% <UFF0C> /xa1/x40 commented out\nCHARMAP\n<U0021>     /x21         EXCLAMATION MARK\n"
        "<UFF0C>     /xa1/x41     FULLWIDTH COMMA\r\n<U3002>\t\t/xa1/x43\tIDEOGRAPHIC FULL STOP\n<U4E00>     /xa4/x40\n"
        "<UZZZZ>     /xa1/x44\nEND CHARMAP\n";
    EXPECT_EQ(CharmapEntries(text), (std::vector<Big5Symbol>{{0xA141, 0xFF0C}, {0xA143, 0x3002}, {0xA440, 0x4E00}}));
    const std::vector<Big5Symbol> entries = {
        {0xA440, 0x4E00}, {0xA1C3, 0xFFE3}, {0xA143, 0x3002}, {0xA1C5, 0xFFE3}, {0xA5DD, 0x2460}};
    EXPECT_EQ(Big5Symbols(entries, SampleCharacters()), (std::vector<Big5Symbol>{{0xA143, 0x3002}, {0xA1C3, 0xFFE3}}));
}

// The u of qu belongs to the initial; closed syllables and other vowels keep
// their mark; unmarked words stay.
TEST(ToneStyle, MovesTheMarkOfOpenOaOeUyToTheSecondVowel) {
    const std::pair<std::string, std::string> cases[] = {
        {"thủy", "thuỷ"}, {"hòa", "hoà"},     {"khỏe", "khoẻ"},       {"hóa", "hoá"}, {"ụy", "uỵ"},
        {"quý", "quý"},   {"hoàn", "hoàn"},   {"thuyền", "thuyền"},   {"tụy", "tuỵ"}, {"hoa", "hoa"},
        {"đế", "đế"},     {"", ""},           {"ò", "ò"},
    };
    for (const auto& [old, wanted] : cases) EXPECT_EQ(NewStyleTone(old), wanted) << old;
}

// 水's two spellings are one reading; 女's first is written with a combining
// tilde, as KANJIDIC2 writes many; readings of several words are not kept.
TEST(Kanjidic, ReadsTheVietnameseReadingsOfEachLiteralInOrder) {
    const std::string xml =
        "<kanjidic2>\n<character><literal>水</literal><reading_meaning><rmgroup>\n"
        "<reading r_type=\"pinyin\">shui3</reading><reading r_type=\"vietnam\">Thủy</reading>\n"
        "<reading r_type=\"vietnam\">Thuỷ</reading></rmgroup></reading_meaning></character>\n"
        "<character><literal>女</literal><reading r_type=\"vietnam\">N\u01B0\u0303</reading>\n"
        "<reading r_type=\"vietnam\">Nhữ</reading><reading r_type=\"vietnam\">Đô thư quán</reading></character>\n"
        "<character><literal>亜</literal><reading r_type=\"korean_r\">a</reading></character>\n</kanjidic2>\n";
    const auto readings = KanjidicVietnamese(xml);
    EXPECT_EQ(readings.size(), 2U);
    EXPECT_EQ(readings.at(U'水'), std::vector<std::string>{"thuỷ"});
    EXPECT_EQ(readings.at(U'女'), (std::vector<std::string>{"nữ", "nhữ"}));
    EXPECT_THROW(KanjidicVietnamese("<kanjidic2></kanjidic2>"), BuildError);
}

TEST(Guangyun, ReadsEachCharactersPositionsOnce) {
    const auto table = ReadGuangyun(
        "何\t匣\t開\t一\t-\t歌\t平\t匣開一歌平\n"
        "何\t匣\t開\t一\t-\t歌\t上\t匣開一歌上\n"
        "何\t匣\t開\t一\t-\t歌\t上\t匣開一歌上\n"
        "帝\t端\t開\t四\t-\t齊\t去\t端開四齊去\n");
    ASSERT_EQ(table.at(U'何').size(), 2U);
    EXPECT_EQ(table.at(U'何')[1].tone, "上");
    EXPECT_EQ(table.at(U'帝').front(), (MiddleChinese{"端", "開", "四", "-", "齊", "去", "端開四齊去"}));
    for (const std::string bad : {"", "何\t匣\t開\n", "何何\t匣\t開\t一\t-\t歌\t平\t匣開一歌平\n",
                                  "何\t匣\t\t一\t-\t歌\t平\t匣開一歌平\n"})
        EXPECT_THROW(ReadGuangyun(bad), BuildError) << bad;
}

}  // namespace
}  // namespace orvik::mkdata
