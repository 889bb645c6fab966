#include "predicted_readings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "dictionary_pages.h"
#include "mode_indexes.h"

namespace orvik::mkdata {
namespace {

// 和 reads hoà; 龢 inherits it as its variant; 禾 (kFrequency 5) sounds as
// 和 does and has no reading; 火 and 巴 give the model more to learn.
constexpr const char* kUnihan =
    "U+548C\tkBigFive\tA94D\nU+548C\tkVietnamese\thoà\nU+548C\tkCantonese\two4\nU+548C\tkMandarin\thé\n"
    "U+548C\tkFrequency\t1\n"
    "U+9FA2\tkBigFive\tF7CF\nU+9FA2\tkCantonese\two4\nU+9FA2\tkMandarin\thé\nU+9FA2\tkSemanticVariant\tU+548C\n"
    "U+79BE\tkBigFive\tA5DD\nU+79BE\tkCantonese\two4\nU+79BE\tkMandarin\thé\nU+79BE\tkFrequency\t5\n"
    "U+706B\tkBigFive\tA4F5\nU+706B\tkVietnamese\thoả\nU+706B\tkCantonese\tfo2\nU+706B\tkMandarin\thuǒ\n"
    "U+5DF4\tkBigFive\tA4DA\nU+5DF4\tkVietnamese\tba\nU+5DF4\tkCantonese\tbaa1\nU+5DF4\tkMandarin\tbā\n";

Characters Predicted(const PredictionGates& gates) {
    Unihan unihan(WantedUnihanFields());
    unihan.AddText(kUnihan);
    Characters chars(unihan);
    PredictReadings(chars, gates, ReadingPredictor(TrainingSet(chars)));
    return chars;
}

TEST(PredictedReadings, GatesPassTierByTierAtTheirThresholds) {
    HeldOutAccuracy accuracy;
    const auto tier = [](std::size_t n, std::size_t top1, std::size_t top3) {
        TierAccuracy t;
        t.characters = n;
        t.parts[static_cast<std::size_t>(Part::Whole)] = {top1, top3};
        return t;
    };
    accuracy.byTier = {{1, tier(10, 8, 10)}, {4, tier(10, 7, 6)}, {5, tier(10, 3, 5)}, {6, tier(0, 0, 0)}};
    const PredictionGates gates = GatesOf(accuracy);
    EXPECT_EQ(gates.transcribed, std::set<int>{1});
    EXPECT_EQ(gates.typed, (std::set<int>{1, 4}));
}

TEST(PredictedReadings, OnlyCharactersWithoutAReadingInAPassingTierGetOne) {
    const Characters typed = Predicted({{}, {5}});
    const auto& prediction = typed.Find(0x79BE)->prediction;
    ASSERT_TRUE(prediction);
    EXPECT_EQ(prediction->readings.front(), "hoà");
    EXPECT_TRUE(prediction->inTelex);
    EXPECT_FALSE(prediction->inReadingTables);
    EXPECT_NE(prediction->sources.find("Quảng Đông wo4, Quan thoại hé"), std::string::npos);
    EXPECT_NE(prediction->sources.find("đồng âm 和"), std::string::npos);
    EXPECT_FALSE(typed.Find(0x9FA2)->prediction);  // reads as its variant
    EXPECT_FALSE(Predicted({{}, {1, 2, 3, 4}}).Find(0x79BE)->prediction);
}

// Typed after the characters that really read hoà; shown in a transcription
// only with its mark, and only where that gate passed.
TEST(PredictedReadings, TelexListsThePredictedCharacterLastAndTextsMarkIt) {
    const Characters typed = Predicted({{}, {5}});
    const std::string index = BuildTelexHan(typed).bytes;
    EXPECT_NE(index.find("\n548C9FA279BE\r\n"), std::string::npos);
    EXPECT_EQ(ReadingsOf(typed, U"和禾"), "hoà ?");
    EXPECT_EQ(ReadingsOf(Predicted({{5}, {5}}), U"和禾"), "hoà hoà*");
    const ChmProject dictionary = HanDictionary(typed, ORVIK_SOURCE_DIR "/tools/mkdata/text");
    const auto page = std::find_if(dictionary.pages.begin(), dictionary.pages.end(),
                                   [](const ChmPage& p) { return p.path == "html/hv31166.htm"; });
    ASSERT_NE(page, dictionary.pages.end());
    EXPECT_NE(page->html.find("Âm Hán Việt dự đoán</th><td>hoà"), std::string::npos);
    EXPECT_NE(page->html.find("Dự đoán từ</th><td>Quảng Đông wo4"), std::string::npos);
}

}  // namespace
}  // namespace orvik::mkdata
