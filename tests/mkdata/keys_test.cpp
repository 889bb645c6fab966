#include "keys.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

TEST(Keys, TelexKeysOfReadings) {
    struct Case { std::string reading, keys; };
    const Case cases[] = {
        {"nhất", "nhaats"},     {"người", "nguwowif"}, {"Thơ", "thow"},
        {"trường", "truwowngf"}, {"ư", "uw"},          {"đạo", "ddaoj"},
        {"khuyển", "khuyeenr"},
    };
    for (const auto& c : cases) EXPECT_EQ(TelexKeysOf(c.reading), c.keys) << c.reading;
    for (const std::string bad : {"", "a-b", "x2", "ü"}) EXPECT_FALSE(TelexKeysOf(bad)) << bad;
}

// The key is what the candidate search looks up when the code is typed.
TEST(Keys, IndexKeyOfTypedCodes) {
    struct Case { std::string code, key; };
    const Case cases[] = {
        {"nhaats", "nhaats"}, {"nguwowif", "ngwowif"}, {"truwowngf", "trwowngf"}, {"uw", "w"},
        {"khuyeenr", "khuyeenr"}, {"afh", "ahf"}, {"ahf", "ahf"}, {"afx", "axf"}, {"axf", "afx"},
        {"arb", "abr"}, {"trb", "trb"}, {"er2", "e2r"}, {"er4", "e4r"}, {"yi1", "yi1"}, {"m", "m"},
    };
    for (const auto& c : cases) EXPECT_EQ(IndexKeyOf(c.code), c.key) << c.code;
}

TEST(Keys, SimplifiedCangJie) {
    struct Case { std::string code; std::vector<std::string> keys; };
    const Case cases[] = {
        {"M", {"m"}}, {"MM", {"mm"}}, {"OAN", {"on", "oan"}}, {"HQMRB", {"hb", "hqb"}}, {"", {}}, {"A1", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(CangJieKeysOf(c.code), c.keys) << c.code;
}

TEST(Keys, PinYinSyllableAndToneDigit) {
    struct Case { std::string syllable, key; };
    const Case cases[] = {
        {"yī", "yi1"}, {"shí", "shi2"}, {"hǎo", "hao3"}, {"lǜ", "lv4"},  {"lü", "lv5"},  {"ma", "ma5"},
        {"ḿ", "m2"},   {"ň", "n3"},     {"ǹg", "ng4"},   {"ê̄", "e1"}, {"ế", "e2"},   {"zhuàng", "zhuang4"},
    };
    for (const auto& c : cases) EXPECT_EQ(PinYinKeyOf(c.syllable), c.key) << c.syllable;
    EXPECT_FALSE(PinYinKeyOf("ŋ"));
    EXPECT_FALSE(PinYinKeyOf(""));
}

}  // namespace
}  // namespace orvik::mkdata
