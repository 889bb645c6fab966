#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::kProgramDir;

struct ModeCase {
    void (OrvikU::*action)(std::int16_t);
    std::int16_t number;
    MenuItem Menunoi::*item;
    const char16_t* combo;
    const char16_t* name;
    const char16_t* status;
    const char* buttons;  // buttons 1 to 3 after the action, starting from "ppp"
    bool nomLayout;
};

const ModeCase kModes[] = {
    {&OrvikU::TelexH_Click, 30, &Menunoi::TelexH, u"Telex->Han", u"Telex Han",
     u"Trạng thái : Telex chữ Hán/Mã Việt Unicode", "prr", false},
    {&OrvikU::TelexN_Click, 31, &Menunoi::TelexN, u"Telex->Nom", u"Telex Nom",
     u"Trạng thái : Telex chữ Nôm/Mã Việt Unicode", "rpr", true},
    {&OrvikU::CangJieH_Click, 32, &Menunoi::CangJieH, u"S-CangJie Han", u"CangJie Han",
     u"Trạng thái: Thương Hiệt giản chữ Hán/Mã Việt Unicode", "prp", false},
    {&OrvikU::CangJie_Click, 13, &Menunoi::CangJie, u"S-CangJie Nom", u"CangJie Nom",
     u"Trạng thái: Thương Hiệt giản chữ Nôm/Mã Việt Unicode", "rpp", true},
    {&OrvikU::PINYIN_Click, 12, &Menunoi::PinYin, u"PinYin Han", u"PinYin",
     u"Trạng thái : PinYin Hán (phải đánh đủ dấu thanh: 1,2,3,4,5)", "prp", false},
};

TEST(ModeAction, SetsEveryMarkTitleAndButtonOfItsMode) {
    for (const auto& mode : kModes) {
        FixtureApp fx;
        OrvikU& main = fx.main();
        for (auto& button : main.tbToolbar) button.Pressed = true;
        main.CodeLabel = u"Mã Việt Unicode";
        main.Menunoi.IMEstate.Checked = true;
        main.Menunoi.TelexH.Checked = true;
        (main.*mode.action)(mode.number);

        const std::string name = U16ToUtf8(mode.name);
        for (const auto& other : kModes)
            EXPECT_EQ((main.Menunoi.*other.item).Checked, other.item == mode.item) << name;
        EXPECT_EQ(fx.session().FieldLayout() == Layout::Nom, mode.nomLayout) << name;
        EXPECT_EQ(fx.app.ConfigDialog().Combo2.Text, mode.combo);
        EXPECT_EQ(fx.module().ModeName, mode.name);
        EXPECT_EQ(main.StatusBar1.Text, mode.status);
        EXPECT_EQ(fx.candidates().Frame1.Caption, mode.name);
        EXPECT_EQ(fx.candidates().Label1.Caption, u"  ORV Thâu nhập pháp : " + fx.module().ModeTitle);
        std::string buttons;
        for (int i = 0; i < 3; ++i) buttons += main.tbToolbar[static_cast<std::size_t>(i)].Pressed ? 'p' : 'r';
        EXPECT_EQ(buttons, mode.buttons) << name;
        EXPECT_FALSE(fx.module().DirectoryLine.empty()) << name;
    }
}

// The Telex actions load the reading table of the mode they choose; the
// others load the table the "Nom" button chose before they change it.
TEST(ModeAction, EachActionLoadsTheReadingTableOfItsButtons) {
    FixtureApp fx;
    const auto nom = [&] { return fx.module().ReadingLine.rfind(u"4E00:một", 0) == 0; };
    fx.main().TelexN_Click(menu_number::kTelexN);
    EXPECT_TRUE(nom());
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());  // its captions wait until the input method is on
    LetterTables letters;
    BuildLetterTables(letters, 1);
    EXPECT_EQ(fx.session().Tables().CodeLetters, letters.CodeLetters);
    fx.main().CangJieH_Click(menu_number::kCangJieH);
    EXPECT_TRUE(nom());
    fx.main().CangJie_Click(menu_number::kCangJie);
    EXPECT_FALSE(nom());
    fx.main().TelexH_Click(menu_number::kTelexH);
    EXPECT_EQ(fx.module().ReadingLine.substr(0, 5), u"a4a4:");
}

TEST(ModeAction, ASecondModeClearsTheFirstIndexAndAMissingOneIsReported) {
    FixtureApp fx;
    fx.main().TelexH_Click(menu_number::kTelexH);
    ASSERT_EQ(fx.module().IndexLines[3], u"007B4E8C8BDE");
    fx.main().CangJieH_Click(menu_number::kCangJieH);
    EXPECT_EQ(fx.module().IndexLines[0], u"4E8C");
    EXPECT_TRUE(fx.module().IndexLines[2].empty());
    EXPECT_TRUE(fx.module().IndexLines[3].empty());
    EXPECT_NE(FindCandidateLine(fx.module(), u"hoaf").kind, CandidateLine::Found);
    fx.platform.RemoveFile(kProgramDir + "/UPinYin.idx");
    fx.main().PINYIN_Click(menu_number::kPinYin);
    EXPECT_TRUE(fx.main().Menunoi.PinYin.Checked);
    EXPECT_TRUE(fx.module().DirectoryLine.empty());
    EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"Không đọc được tệp UPinYin.idx: file not found"});
    fx.Type(u"yi1");
    EXPECT_EQ(testing::ShownFragment(fx.platform), "");
}

}  // namespace
}  // namespace orvik
