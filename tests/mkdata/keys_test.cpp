#include "keys.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

TEST(Keys, TelexKeysOfReadings) {
    struct Case { std::string reading, raw, normalised; };
    const Case cases[] = {
        {"nhất", "nhaats", "nhaats"},     {"người", "nguwowif", "ngwowif"}, {"Thơ", "thow", "thow"},
        {"trường", "truwowngf", "trwowngf"}, {"ư", "uw", "w"},            {"đạo", "ddaoj", "ddaoj"},
        {"khuyển", "khuyeenr", "khuyeenr"},
    };
    for (const auto& c : cases) {
        const auto keys = TelexKeysOf(c.reading);
        ASSERT_TRUE(keys) << c.reading;
        EXPECT_EQ(keys->raw, c.raw) << c.reading;
        EXPECT_EQ(keys->normalised, c.normalised) << c.reading;
    }
    for (const std::string bad : {"", "a-b", "x2", "ü"}) EXPECT_FALSE(TelexKeysOf(bad)) << bad;
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
