// Readings split into their parts and composed back, and the keys typed for
// them in each input method.
#include "keys.h"

#include <gtest/gtest.h>

#include <tuple>

#include "viet_syllable.h"

namespace orvik::mkdata {
namespace {

// The index key is what the candidate search looks up when the code is typed.
TEST(Keys, TelexKeysOfReadingsAndTheirIndexKeys) {
    const std::tuple<std::string, std::string, std::string> cases[] = {  // reading, Telex, index key
        {"nhất", "nhaats", "nhaats"},     {"người", "nguwowif", "ngwowif"}, {"Thơ", "thow", "thow"},
        {"trường", "truwowngf", "trwowngf"}, {"ư", "uw", "w"},              {"đạo", "ddaoj", "ddaoj"},
        {"khuyển", "khuyeenr", "khuyeenr"},
    };
    for (const auto& [reading, telex, key] : cases) {
        EXPECT_EQ(TelexKeysOf(reading), telex) << reading;
        EXPECT_EQ(IndexKeyOf(telex), key) << telex;
    }
    for (const std::string bad : {"", "a-b", "x2", "ü"}) EXPECT_FALSE(TelexKeysOf(bad)) << bad;
}

TEST(Keys, IndexKeyOfTypedCodes) {
    const std::pair<std::string, std::string> cases[] = {
        {"afh", "ahf"}, {"ahf", "ahf"}, {"afx", "axf"}, {"axf", "afx"}, {"arb", "abr"},
        {"trb", "trb"}, {"er2", "e2r"}, {"er4", "e4r"}, {"yi1", "yi1"}, {"m", "m"},
    };
    for (const auto& [code, key] : cases) EXPECT_EQ(IndexKeyOf(code), key) << code;
}

TEST(Keys, SimplifiedCangJie) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"M", {"m"}}, {"MM", {"mm"}}, {"OAN", {"on", "oan"}}, {"HQMRB", {"hb", "hqb"}}, {"", {}}, {"A1", {}},
    };
    for (const auto& [code, keys] : cases) EXPECT_EQ(CangJieKeysOf(code), keys) << code;
}

TEST(Keys, PinYinSyllableAndToneDigit) {
    const std::pair<std::string, std::string> cases[] = {
        {"yī", "yi1"}, {"shí", "shi2"}, {"hǎo", "hao3"}, {"lǜ", "lv4"},  {"lü", "lv5"},  {"ma", "ma5"},
        {"ḿ", "m2"},   {"ň", "n3"},     {"ǹg", "ng4"},   {"ê̄", "e1"}, {"ế", "e2"},   {"zhuàng", "zhuang4"},
    };
    for (const auto& [syllable, key] : cases) EXPECT_EQ(PinYinKeyOf(syllable), key) << syllable;
    EXPECT_FALSE(PinYinKeyOf("ŋ"));
    EXPECT_FALSE(PinYinKeyOf(""));
}

TEST(VietSyllable, SplitsIntoInitialRhymeAndToneWithSpellingUndone) {
    const std::pair<std::string, VietSyllable> cases[] = {
        {"người", {"ng", "uwowi", 'f'}}, {"nghĩa", {"ng", "ia", 'x'}}, {"kiếm", {"c", "ieem", 's'}},
        {"cảm", {"c", "am", 'r'}},       {"ghế", {"g", "ee", 's'}},    {"giả", {"gi", "a", 'r'}},
        {"gì", {"gi", "i", 'f'}},        {"quốc", {"qu", "ooc", 's'}}, {"đạt", {"dd", "at", 'j'}},
        {"ưu", {"", "uwu", ' '}},        {"kỳ", {"c", "i", 'f'}},      {"quý", {"qu", "y", 's'}},
        {"ý", {"", "y", 's'}},           {"xa", {"x", "a", ' '}},      {"Hoà", {"h", "oa", 'f'}},
    };
    for (const auto& [reading, syllable] : cases) EXPECT_EQ(SplitReading(reading), syllable) << reading;
    for (const std::string bad : {"", "a-b", "ng", "x2", "đồthưquán", "anhem"}) EXPECT_FALSE(SplitReading(bad)) << bad;
}

// The two tone placements of hoà / hòa and the spellings kì / kỳ are one
// reading; composing gives the spelling back.
TEST(VietSyllable, ComposesTheSpellingBack) {
    for (const std::string reading :
         {"kiếm", "nghĩa", "ghế", "gì", "đạt", "người", "quốc", "giả", "thuỷ", "ưu", "khuyển", "nghiêng"}) {
        const auto s = SplitReading(reading);
        ASSERT_TRUE(s) << reading;
        EXPECT_EQ(ComposeReading(*s), reading);
    }
    EXPECT_EQ(SplitReading("hoà"), SplitReading("hòa"));
    EXPECT_EQ(SplitReading("kỳ"), SplitReading("kì"));
    for (const auto& [rhyme, tone, fits] : {std::tuple{"ac", 's', true}, {"ac", 'j', true}, {"ac", 'f', false},
                                            {"ach", ' ', false}, {"uwowt", 'x', false}, {"ap", 'r', false},
                                            {"ang", 'f', true}, {"a", 'x', true}})
        EXPECT_EQ(ToneFitsRhyme(rhyme, tone), fits) << rhyme << tone;
}

}  // namespace
}  // namespace orvik::mkdata
