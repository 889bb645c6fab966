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

std::vector<SoundCues> Unknown(const std::string& cantonese, const std::string& mandarin) {
    Ideograph c;
    c.cantonese = cantonese;
    c.mandarin = {mandarin};
    return CuesOf(c);
}

MiddleChinese Position(const std::string& initial, const std::string& rhyme, const std::string& tone) {
    return {initial, "開", "一", "-", rhyme, tone, initial + "開一" + rhyme + tone};
}

// A character known only by its Guangyun positions.
TrainingCharacter ByPositions(char32_t cp, std::vector<MiddleChinese> positions,
                              std::initializer_list<const char*> readings) {
    Ideograph c;
    c.positions = std::move(positions);
    TrainingCharacter t{cp, CuesOf(c), {}};
    for (const char* r : readings) t.readings.push_back(*SplitReading(r));
    return t;
}

const std::vector<TrainingCharacter> kTraining = {
    Known(1, "ba1", "bā", "ba"),   Known(2, "ba4", "bá", "bà"),   Known(3, "ma1", "mā", "ma"),
    Known(4, "wo4", "hé", "hòa"),  Known(5, "wo4", "hé", "hòa"),  Known(6, "fo2", "huǒ", "hỏa"),
    Known(7, "mou4", "wú", "vô"),  Known(8, "lou4", "lú", "lô"),  Known(9, "ga1", "jiā", "gia"),
    Known(10, "bak1", "běi", "bắc"), Known(11, "baak6", "bái", "bạch"), Known(12, "hok6", "xué", "học"),
};

std::string Best(const ReadingPredictor& predictor, const std::vector<SoundCues>& cues) {
    const auto best = predictor.Predict(cues, 1);
    return best.empty() ? "" : ComposeReading(best.front().syllable);
}

TEST(ReadingPredictor, ACharacterThatSoundsLikeKnownOnesReadsAsThey) {
    const ReadingPredictor predictor(kTraining);
    EXPECT_EQ(Best(predictor, Unknown("wo4", "hé")), "hoà");
    EXPECT_EQ(predictor.Homophones(Unknown("wo4", "hé").front(), *SplitReading("hòa")), (std::vector<char32_t>{4, 5}));
    EXPECT_TRUE(predictor.Homophones(Unknown("wo4", "hé").front(), *SplitReading("hỏa")).empty());
}

// No character sounds ma4: the initial comes from the m- characters, the
// tone from the level tone of a voiced initial (ba4 -> bà).
TEST(ReadingPredictor, PartsCombineForAnUnseenSyllable) {
    const ReadingPredictor predictor(kTraining);
    EXPECT_EQ(Best(predictor, Unknown("ma4", "má")), "mà");
    EXPECT_EQ(predictor.BestInitials(Unknown("ma4", "má").front(), 1), std::vector<std::string>{"m"});
    EXPECT_EQ(predictor.BestTones(Unknown("ma4", "má").front(), 1), std::vector<std::string>{"f"});
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

// 何 is both 匣歌平 (hà) and 匣歌上 (hạ): each reading is learnt with the
// position the one-position characters say it goes with, so a new
// character of 匣歌上 reads hạ, and one of both positions gets both.
TEST(ReadingPredictor, ACharacterOfSeveralPositionsTeachesEachReadingWithItsOwn) {
    const auto level = Position("匣", "歌", "平"), rising = Position("匣", "歌", "上");
    const auto other = Position("端", "齊", "去");
    const std::vector<TrainingCharacter> training = {
        ByPositions(1, {level}, {"hà"}), ByPositions(2, {level}, {"hà"}), ByPositions(3, {rising}, {"hạ"}),
        ByPositions(4, {other}, {"đế"}), ByPositions(5, {level, rising}, {"hà", "hạ"}),
        ByPositions(6, {rising}, {"hạ"})};
    const ReadingPredictor predictor(training);
    Ideograph risingOnly, both;
    risingOnly.positions = {rising};
    both.positions = {level, rising};
    EXPECT_EQ(Best(predictor, CuesOf(risingOnly)), "hạ");
    std::set<std::string> top2;
    for (const auto& r : predictor.Predict(CuesOf(both), 2)) top2.insert(ComposeReading(r.syllable));
    EXPECT_EQ(top2, (std::set<std::string>{"hà", "hạ"}));
}

}  // namespace
}  // namespace orvik::mkdata
