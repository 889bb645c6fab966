#include "sound_cues.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

Ideograph North() {
    Ideograph c;
    c.cantonese = "bak1";
    c.mandarin = {"běi"};
    c.korean = "PWUK PEY";
    c.japaneseOn = "HOKU HAI";
    c.tang = "*bək";
    c.phonetic = "1014";
    return c;
}

TEST(SoundCues, EachReadingSplitsIntoItsParts) {
    const SoundCues cues = CuesOf(North()).front();
    struct Case { Cue cue; std::string value; };
    const Case cases[] = {
        {Cue::Cantonese, "bak1"}, {Cue::CantoneseInitial, "b"}, {Cue::CantoneseFinal, "ak"},
        {Cue::CantoneseTone, "1"}, {Cue::CantoneseCoda, "k"},   {Cue::Mandarin, "běi"},
        {Cue::MandarinInitial, "b"}, {Cue::MandarinFinal, "ei"}, {Cue::MandarinTone, "3"},
        {Cue::Korean, "PWUK"},    {Cue::KoreanInitial, "P"},    {Cue::KoreanRhyme, "WUK"},
        {Cue::Japanese, "HAI HOKU"}, {Cue::JapaneseInitial, "H"}, {Cue::JapaneseRhyme, "OKU"},
        {Cue::Tang, "*bək"},      {Cue::TangInitial, "b"},      {Cue::TangFinal, "ək"},
        {Cue::TangTone, "R"},     {Cue::Phonetic, "1014"},
    };
    for (const auto& c : cases) EXPECT_EQ(Get(cues, c.cue), c.value) << static_cast<int>(c.cue);
    EXPECT_TRUE(Predictable(cues));
}

// A missing initial is "-", not unknown; syllabic nasals are all final.
TEST(SoundCues, EdgeShapesOfTheReadings) {
    struct Case { std::string cantonese, initial, final, coda; };
    const Case cases[] = {
        {"aai1", "-", "aai", "-"}, {"ng4", "-", "ng", "ng"}, {"m4", "-", "m", "m"},
        {"gwong2", "gw", "ong", "ng"}, {"sik1", "s", "ik", "k"}, {"x9", "", "", ""},
    };
    for (const auto& c : cases) {
        Ideograph i;
        i.cantonese = c.cantonese;
        const SoundCues cues = CuesOf(i).front();
        EXPECT_EQ(Get(cues, Cue::CantoneseInitial), c.initial) << c.cantonese;
        EXPECT_EQ(Get(cues, Cue::CantoneseFinal), c.final) << c.cantonese;
        EXPECT_EQ(Get(cues, Cue::CantoneseCoda), c.coda) << c.cantonese;
    }
    Ideograph tang;
    tang.tang = "dhɑ̀i djiǔ";
    EXPECT_EQ(Get(CuesOf(tang).front(), Cue::TangTone), "Q");
    EXPECT_EQ(Get(CuesOf(tang).front(), Cue::TangInitial), "dh");
    tang.tang = "*jiǎ";
    EXPECT_EQ(Get(CuesOf(tang).front(), Cue::TangTone), "S");
    EXPECT_FALSE(Predictable(CuesOf(tang).front()));  // kTang alone is too rare to learn from
}

}  // namespace
}  // namespace orvik::mkdata
