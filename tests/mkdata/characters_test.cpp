#include "characters.h"

#include <gtest/gtest.h>

#include "source_files.h"
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

TEST(Characters, GathersReadingsCodesAndFrequencies) {
    const Characters chars = SampleCharacters();
    const Ideograph& one = *chars.Find(0x4E00);
    EXPECT_EQ(one.big5, 0xA440);
    EXPECT_EQ(one.viet, (std::vector<std::string>{"nhất", "nhứt"}));
    EXPECT_EQ(one.pinlu, 32757);
    EXPECT_EQ(one.frequencyTier, 1);
    EXPECT_EQ(chars.Find(0x58F9)->viet, std::vector<std::string>{"nhất"});  // lower-cased
}

TEST(Characters, CharacterWithoutReadingInheritsItsVariants) {
    const Characters chars = SampleCharacters();
    const Ideograph& men = *chars.Find(0x5011);
    EXPECT_EQ(men.viet, std::vector<std::string>{"môn"});
    EXPECT_TRUE(men.vietInherited);
    EXPECT_FALSE(men.HasOwnReading());
    // A character without a Big5 code inherits too: 弌 reads as 一.
    EXPECT_EQ(chars.Find(0x5F0C)->viet, (std::vector<std::string>{"nhất", "nhứt"}));
}

TEST(Characters, SetsHoldTheRightCharactersInTheirOrder) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(chars.Big5Set(), (std::vector<char32_t>{0x4E00, 0x79BE, 0x5011, 0x58F9}));
    EXPECT_EQ(chars.NomSet(), (std::vector<char32_t>{0x4E00, 0x4EEC, 0x58F9, 0x2029B}));
    EXPECT_EQ(chars.HanReadingSet(), (std::vector<char32_t>{0x4E00, 0x4EEC, 0x5011, 0x58F9}));
}

TEST(Characters, FrequencyOrderPutsCountedThenTieredCharactersFirst) {
    const Characters chars = SampleCharacters();
    std::vector<char32_t> cps = {0x2029B, 0x58F9, 0x5011, 0x4E00};
    chars.SortByFrequency(cps);
    // 一 has corpus counts, 們 tier 2, 壹 only its Big5 code, 𠊛 nothing.
    EXPECT_EQ(cps, (std::vector<char32_t>{0x4E00, 0x5011, 0x58F9, 0x2029B}));
}

}  // namespace
}  // namespace orvik::mkdata
