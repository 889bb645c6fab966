// The mode and output-code actions of the menu: what each mode loads, and
// the one radio group of codes that sets the dialog's code box, the letters,
// the fonts and the status text.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::FixtureApp;

// The Telex actions load the reading table of the mode they choose; the
// others load the table the "Nom" button chose before they change it.
TEST(ModeAction, EachActionLoadsTheReadingTableOfItsButtons) {
    FixtureApp fx;
    const auto nom = [&] { return fx.module().ReadingLine.rfind(u"4E00:một", 0) == 0; };
    fx.main().TelexN_Click(menu_number::kTelexN);
    EXPECT_TRUE(nom());
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());  // its captions wait until the input method is on
    EXPECT_EQ(fx.session().Tables().CodeLetters, testing::LettersOf(kVietWareX).CodeLetters);
    fx.main().CangJieH_Click(menu_number::kCangJieH);
    EXPECT_TRUE(nom());
    fx.main().CangJie_Click(menu_number::kCangJie);
    EXPECT_FALSE(nom());
    fx.main().TelexH_Click(menu_number::kTelexH);
    EXPECT_EQ(fx.module().ReadingLine.substr(0, 5), u"a4a4:");
}

struct CodeCase {
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;
    MenuItem Menunoi::*item;
    const char16_t* combo;
    std::int16_t letters;
    std::u16string_view boxFont, vnFont, candidateFont, status;
};

const CodeCase kCodes[] = {
    {&OrvikU::Unicode_Click, 15, &Menunoi::Unicode, u"Unicode", kVietWareX, u"VNtimes new roman", u"Arial",
     u"VNtimes new roman", u"Trậng thái: Telex chữ Hán/Mã Việt Unicode"},
    {&OrvikU::TCVN_Click, 8, &Menunoi::TCVN, u"TCVN3", kTcvn3, u".VnTime", u".VnTime", u".VnTime",
     u"Trạng thái: Telex chữ Hán/TCNN"},
    {&OrvikU::VNI2_Click, 9, &Menunoi::VNI2, u"VNI-WIN", kVniWindows, u"VNI-Times", u"VNI-Times", u"VNI-Times",
     u"Trạng thái: Telex chữ Hán/Mã VNI"},
    {&OrvikU::VW2_Click, 7, &Menunoi::VW2, u"VietWare-X", kVietWareX, u"VNtimes new roman", u"VNtimes new roman",
     u"VNtimes new roman", u"Trạng thái: Telex chữ Hán/Mã VietWare-X"},
};

TEST(OutputCode, EachActionSetsItsWholeStateAndRepeatingChangesNothing) {
    for (const auto& code : kCodes) {
        CandidateWindowApp fx;
        fx.app.output().VnFontSize = 20;
        for (int twice = 0; twice < 2; ++twice) (fx.main().*code.action)(code.number);
        const std::string name = U16ToUtf8(code.combo);
        for (const auto& other : kCodes)
            EXPECT_EQ((fx.main().Menunoi.*other.item).Checked, other.item == code.item) << name;
        EXPECT_EQ(fx.app.ConfigDialog().Combo1.Text, code.combo);
        EXPECT_EQ(fx.session().Tables().CodeLetters, testing::LettersOf(code.letters).CodeLetters) << name;
        EXPECT_EQ(fx.main().Text1.FontName, code.boxFont);
        EXPECT_EQ(fx.app.output().VnFontName, code.vnFont);
        EXPECT_EQ(fx.app.output().VnFontSize, 12);
        EXPECT_EQ(fx.candidates().Text1.FontName, code.candidateFont) << name;
        EXPECT_EQ(fx.main().StatusBar1.Text, code.status);
    }
}

// The candidate window loaded later takes its font by the dialog's code box.
TEST(OutputCode, TheCandidateWindowTakesItsFontByTheCodeBoxWhenLoaded) {
    FixtureApp fx(&OrvikU::TelexH_Click);
    fx.main().TCVN_Click(8);
    fx.main().IMEstate_Click(10);
    EXPECT_EQ(fx.candidates().Text1.FontName, u".VnTime");
    fx.main().IMEstate_Click(10);
    fx.main().Menunoi.Unicode.Checked = true;  // the mark alone is not what the load reads
    fx.main().IMEstate_Click(10);
    EXPECT_EQ(fx.candidates().Text1.FontName, u".VnTime");
}

}  // namespace
}  // namespace orvik
