#include "reading_predictor.h"

#include <gtest/gtest.h>

#include <set>

namespace orvik::mkdata {
namespace {

TrainingCharacter Known(char32_t cp, const std::string& cantonese, const std::string& mandarin,
                        const std::string& reading) {
    Ideograph c;
    c.cantonese = cantonese;
    c.mandarin = {mandarin};
    return {cp, CuesOf(c), {*SplitReading(reading)}};
}

SoundCues Unknown(const std::string& cantonese, const std::string& mandarin) {
    Ideograph c;
    c.cantonese = cantonese;
    c.mandarin = {mandarin};
    return CuesOf(c);
}

const std::vector<TrainingCharacter> kTraining = {
    Known(1, "ba1", "bā", "ba"),   Known(2, "ba4", "bá", "bà"),   Known(3, "ma1", "mā", "ma"),
    Known(4, "wo4", "hé", "hòa"),  Known(5, "wo4", "hé", "hòa"),  Known(6, "fo2", "huǒ", "hỏa"),
    Known(7, "mou4", "wú", "vô"),  Known(8, "lou4", "lú", "lô"),  Known(9, "ga1", "jiā", "gia"),
    Known(10, "bak1", "běi", "bắc"), Known(11, "baak6", "bái", "bạch"), Known(12, "hok6", "xué", "học"),
};

std::string Best(const ReadingPredictor& predictor, const SoundCues& cues) {
    const auto best = predictor.Predict(cues, 1);
    return best.empty() ? "" : ComposeReading(best.front().syllable);
}

TEST(ReadingPredictor, ACharacterThatSoundsLikeKnownOnesReadsAsThey) {
    const ReadingPredictor predictor(kTraining);
    EXPECT_EQ(Best(predictor, Unknown("wo4", "hé")), "hòa");
    EXPECT_EQ(predictor.Homophones(Unknown("wo4", "hé"), *SplitReading("hòa")), (std::vector<char32_t>{4, 5}));
    EXPECT_TRUE(predictor.Homophones(Unknown("wo4", "hé"), *SplitReading("hỏa")).empty());
}

// No character sounds ma4: the initial comes from the m- characters, the
// tone from the level tone of a voiced initial (ba4 -> bà).
TEST(ReadingPredictor, PartsCombineForAnUnseenSyllable) {
    const ReadingPredictor predictor(kTraining);
    EXPECT_EQ(Best(predictor, Unknown("ma4", "má")), "mà");
    EXPECT_EQ(predictor.BestInitials(Unknown("ma4", "má"), 1), std::vector<std::string>{"m"});
    EXPECT_EQ(predictor.BestTones(Unknown("ma4", "má"), 1), std::vector<std::string>{"f"});
}

TEST(ReadingPredictor, CandidatesAreRankedAndOnlyPairsSeenInTraining) {
    const ReadingPredictor predictor(kTraining);
    std::set<std::pair<std::string, std::string>> seen;
    for (const auto& c : kTraining) seen.emplace(c.readings.front().initial, c.readings.front().rhyme);
    // bok4 would be a level tone, which no stop-closed Vietnamese rhyme takes.
    for (const auto& cues : {Unknown("ma4", "má"), Unknown("lo1", "lā"), Unknown("bok4", "bó")}) {
        const auto best = predictor.Predict(cues, 5);
        ASSERT_FALSE(best.empty());
        for (const auto& r : best) {
            EXPECT_TRUE(seen.contains({r.syllable.initial, r.syllable.rhyme}));
            EXPECT_TRUE(ToneFitsRhyme(r.syllable.rhyme, r.syllable.tone));
        }
        for (std::size_t i = 1; i < best.size(); ++i) EXPECT_GE(best[i - 1].score, best[i].score);
    }
}

}  // namespace
}  // namespace orvik::mkdata
