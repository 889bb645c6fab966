#include "viet_syllable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvik::mkdata {
namespace {

TEST(VietSyllable, SplitsIntoInitialRhymeAndToneWithSpellingUndone) {
    struct Case { std::string reading, initial, rhyme; char tone; };
    const Case cases[] = {
        {"người", "ng", "uwowi", 'f'}, {"nghĩa", "ng", "ia", 'x'}, {"kiếm", "c", "ieem", 's'},
        {"cảm", "c", "am", 'r'},       {"ghế", "g", "ee", 's'},    {"giả", "gi", "a", 'r'},
        {"gì", "gi", "i", 'f'},        {"quốc", "qu", "ooc", 's'}, {"đạt", "dd", "at", 'j'},
        {"ưu", "", "uwu", ' '},        {"kỳ", "c", "i", 'f'},      {"quý", "qu", "y", 's'},
        {"ý", "", "y", 's'},           {"xa", "x", "a", ' '},      {"Hoà", "h", "oa", 'f'},
    };
    for (const auto& c : cases) {
        const auto s = SplitReading(c.reading);
        ASSERT_TRUE(s) << c.reading;
        EXPECT_EQ(*s, (VietSyllable{c.initial, c.rhyme, c.tone})) << c.reading;
    }
    for (const std::string bad : {"", "a-b", "ng", "x2", "đồthưquán", "anhem"}) EXPECT_FALSE(SplitReading(bad)) << bad;
}

// The two tone placements of hoà / hòa and the spellings kì / kỳ are one
// reading; composing gives one form back that splits the same way.
TEST(VietSyllable, ComposesTheSpellingBackAndRoundTrips) {
    EXPECT_EQ(ComposeReading({"c", "ieem", 's'}), "kiếm");
    EXPECT_EQ(ComposeReading({"ng", "ia", 'x'}), "nghĩa");
    EXPECT_EQ(ComposeReading({"g", "ee", 's'}), "ghế");
    EXPECT_EQ(ComposeReading({"gi", "i", 'f'}), "gì");
    EXPECT_EQ(ComposeReading({"dd", "at", 'j'}), "đạt");
    EXPECT_EQ(SplitReading("hoà"), SplitReading("hòa"));
    EXPECT_EQ(SplitReading("kỳ"), SplitReading("kì"));
    for (const std::string reading : {"người", "quốc", "giả", "thuỷ", "ưu", "khuyển", "nghiêng"}) {
        const auto s = SplitReading(reading);
        ASSERT_TRUE(s) << reading;
        EXPECT_EQ(SplitReading(ComposeReading(*s)), s) << reading;
    }
    for (const auto& [rhyme, tone, fits] : {std::tuple{"ac", 's', true}, {"ac", 'j', true}, {"ac", 'f', false},
                                            {"ach", ' ', false}, {"uwowt", 'x', false}, {"ap", 'r', false},
                                            {"ang", 'f', true}, {"a", 'x', true}})
        EXPECT_EQ(ToneFitsRhyme(rhyme, tone), fits) << rhyme << tone;
    EXPECT_EQ(ToneName(' '), "ngang");
    EXPECT_EQ(ToneName('x'), "ngã");
}

}  // namespace
}  // namespace orvik::mkdata
