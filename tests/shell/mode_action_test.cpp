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
        EXPECT_EQ(main.Menunoi.NomLayout(), mode.nomLayout) << name;
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

TEST(ModeAction, CandidateCaptionsWaitUntilTheInputMethodIsOn) {
    FixtureApp fx;
    fx.main().TelexN_Click(31);
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());
    EXPECT_EQ(fx.module().Tables.CodeLetters, [] { LetterTables t; BuildLetterTables(t, 1); return t; }().CodeLetters);
}

TEST(ModeAction, TelexActionsChooseTheReadingTableOfTheNewModeAndOthersOfTheOld) {
    FixtureApp fx;
    const auto readingTable = [&] {
        for (const auto& call : fx.platform.Calls())
            if (call.find("/phien") != std::string::npos) return call.substr(call.rfind('/') + 1);
        return std::string("none");
    };
    fx.main().TelexN_Click(31);
    EXPECT_EQ(readingTable(), "phiennom.txt");
    fx.platform.ClearCalls();
    fx.main().CangJieH_Click(32);
    EXPECT_EQ(readingTable(), "phiennom.txt");  // loaded before the buttons change
    fx.platform.ClearCalls();
    fx.main().CangJie_Click(13);
    EXPECT_EQ(readingTable(), "phienam.txt");
}

TEST(ModeAction, ASecondModeClearsTheFirstIndex) {
    FixtureApp fx;
    fx.main().TelexH_Click(30);
    ASSERT_EQ(fx.module().IndexLines[3], u"007B4E8C8BDE");
    fx.main().CangJieH_Click(32);
    EXPECT_EQ(fx.module().IndexLines[0], u"4E8C");
    EXPECT_TRUE(fx.module().IndexLines[2].empty());
    EXPECT_TRUE(fx.module().IndexLines[3].empty());
    EXPECT_EQ(fx.candidates().TimChu(u"hoaf"), u"");
}

TEST(ModeAction, AMissingIndexIsReportedAndTheModeIsStillChosen) {
    FixtureApp fx;
    fx.main().TelexH_Click(30);
    fx.platform.RemoveFile(kProgramDir + "/UPinYin.idx");
    fx.main().PINYIN_Click(12);
    EXPECT_TRUE(fx.main().Menunoi.PinYin.Checked);
    EXPECT_TRUE(fx.module().DirectoryLine.empty());
    EXPECT_EQ(fx.platform.Calls().back(),
              "MessageBox [Việt Orvik thông báo] Không đọc được tệp UPinYin.idx: file not found");
    fx.Type(u"yi1");
    EXPECT_EQ(testing::ShownFragment(fx.platform), "");
}

}  // namespace
}  // namespace orvik
