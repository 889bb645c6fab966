// The seven settings read at start-up and written at the end, and the
// configuration dialog's choices: the code box's font proposal, the two font
// choosers, OK and Cancel.
#include <gtest/gtest.h>

#include <utility>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "engine/text.h"
#include "ime/fixture_app.h"
#include "shell/main_procedure.h"
#include "shell/typing_box.h"

namespace orvik {
namespace {

using Settings = std::vector<std::pair<std::u16string_view, std::u16string>>;

// The program started on a settings store holding `stored`.
struct SettingsApp : testing::FixtureApp {
    explicit SettingsApp(const Settings& stored = {}) {
        for (const auto& [key, value] : stored) platform.SetSetting(key, value);
        Main(app);
    }
    CauHinh& dialog() { return app.ConfigDialog(); }
    std::vector<std::string> Logged() const { return CallsOf({"LogLine"}); }
};

TEST(Settings, AnEmptyStoreGivesTheDefaults) {
    SettingsApp fx;
    EXPECT_EQ(fx.dialog().Combo2.Text, u"Telex->Han");
    EXPECT_EQ(fx.dialog().Combo1.Text, u"Unicode");
    EXPECT_EQ(fx.dialog().Label3.Caption, u"Arial, 12");
    EXPECT_EQ(fx.dialog().Label4.Caption, u"Chu Nom Minh U, 16");
    EXPECT_TRUE(fx.module().System98);
    EXPECT_EQ(fx.dialog().Combo1.List, (std::vector<std::u16string>{u"Unicode", u"VietWare-X", u"VNI-WIN", u"TCVN3"}));
    EXPECT_EQ(fx.dialog().Combo2.List.size(), 7u);
    EXPECT_EQ(fx.dialog().Combo2.List[2], u"VNI->Han");
    EXPECT_TRUE(fx.Logged().empty());
}

TEST(Settings, EachStoredModeRunsItsAction) {
    struct Case {
        std::u16string stored;
        MenuItem Menunoi::*checked;  // nullptr: no mode
        bool logged;
    };
    const Case cases[] = {
        {u"Telex->Han", &Menunoi::TelexH, false},   {u"Telex->Nom", &Menunoi::TelexN, false},
        {u"S-CangJie Han", &Menunoi::CangJieH, false}, {u"S-CangJie Nom", &Menunoi::CangJie, false},
        {u"PinYin Han", &Menunoi::PinYin, false},   {u"VNI->Han", nullptr, false},
        {u"VNI->Nom", nullptr, false},              {u"telex->han", &Menunoi::TelexH, true},
        {u"", &Menunoi::TelexH, true},
    };
    for (const auto& c : cases) {
        SettingsApp fx(Settings{{u"Present IME", c.stored}});
        const Menunoi& menu = fx.main().Menunoi;
        for (auto item : {&Menunoi::TelexH, &Menunoi::TelexN, &Menunoi::CangJieH, &Menunoi::CangJie, &Menunoi::PinYin})
            EXPECT_EQ((menu.*item).Checked, item == c.checked) << U16ToUtf8(c.stored);
        EXPECT_EQ(fx.Logged().size(), c.logged ? 1u : 0u) << U16ToUtf8(c.stored);
        // The box keeps the stored text, so it is stored again at the end.
        EXPECT_EQ(fx.dialog().Combo2.Text, c.logged ? u"Telex->Han" : c.stored);
    }
    // No mode, so no index file is loaded.
    SettingsApp vni(Settings{{u"Present IME", u"VNI->Han"}});
    EXPECT_TRUE(vni.module().DirectoryLine.empty());
}

TEST(Settings, EachStoredCodeRunsItsActionAndAnUnknownOneFallsBackToUnicode) {
    struct Case {
        std::u16string stored;
        MenuItem Menunoi::*checked;
        std::u16string_view box;
    };
    const Case cases[] = {{u"Unicode", &Menunoi::Unicode, u"Unicode"},
                          {u"VietWare-X", &Menunoi::VW2, u"VietWare-X"},
                          {u"VNI-WIN", &Menunoi::VNI2, u"VNI-WIN"},
                          {u"TCVN3", &Menunoi::TCVN, u"TCVN3"},
                          {u"tcvn3", &Menunoi::Unicode, u"Unicode"}};
    for (const auto& c : cases) {
        SettingsApp fx(Settings{{u"VN Code", c.stored}});
        for (auto item : {&Menunoi::Unicode, &Menunoi::VW2, &Menunoi::VNI2, &Menunoi::TCVN})
            EXPECT_EQ((fx.main().Menunoi.*item).Checked, item == c.checked) << U16ToUtf8(c.stored);
        EXPECT_EQ(fx.dialog().Combo1.Text, c.box);
    }
}

// The mode action run after the code action at start-up, and again by OK,
// must leave the letters of the chosen code in force.
TEST(Settings, TheStoredCodeComposesTheTypedWordAfterStartAndAfterOk) {
    struct Case {
        std::u16string code, mode;
        std::int16_t letterTable;
    };
    const Case cases[] = {
        {u"TCVN3", u"Telex->Han", kTcvn3},       {u"VNI-WIN", u"Telex->Han", kVniWindows},
        {u"TCVN3", u"Telex->Nom", kTcvn3},       {u"VNI-WIN", u"S-CangJie Han", kVniWindows},
        {u"VietWare-X", u"Telex->Han", kVietWareX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(U16ToUtf8(c.code + u" " + c.mode));
        LetterTables chosen;
        BuildLetterTables(chosen, c.letterTable);
        const std::u16string expected = ComposeForOutput(chosen, u"hoaf", false, false);
        SettingsApp fx(Settings{{u"VN Code", c.code}, {u"Present IME", c.mode}});
        EXPECT_EQ(fx.module().Tables.CodeLetters, chosen.CodeLetters);
        fx.main().TelexH_Click(menu_number::kTelexH);
        for (char16_t key : std::u16string_view(u"HOAF")) TypeIntoText1(fx.main(), static_cast<std::int16_t>(key), 0);
        EXPECT_EQ(fx.main().Text1.Text, expected);
        fx.dialog().Command1_Click();
        EXPECT_EQ(fx.module().Tables.CodeLetters, chosen.CodeLetters);
    }
}

TEST(Settings, UnusableValuesFallBackToTheirDefaultsAndAreLogged) {
    struct Case {
        std::u16string_view key;
        std::u16string stored;
        std::u16string_view label3, label4;
        bool system98;
        bool logged;
    };
    const Case cases[] = {
        {u"VN Font Size", u"abc", u"Arial, 12", u"Chu Nom Minh U, 16", true, true},
        {u"VN Font Size", u"40000", u"Arial, 12", u"Chu Nom Minh U, 16", true, true},
        {u"VN Font Size", u"12.5", u"Arial, 12", u"Chu Nom Minh U, 16", true, false},
        {u"VN Font Size", u"13.5", u"Arial, 14", u"Chu Nom Minh U, 16", true, false},
        {u"Nom Font Size", u"16.0", u"Arial, 12", u"Chu Nom Minh U, 16.0", true, false},
        {u"Nom Font Size", u"big", u"Arial, 12", u"Chu Nom Minh U, 16", true, true},
        {u"System 98", u"False", u"Arial, 12", u"Chu Nom Minh U, 16", false, false},
        {u"System 98", u"0", u"Arial, 12", u"Chu Nom Minh U, 16", false, false},
        {u"System 98", u"maybe", u"Arial, 12", u"Chu Nom Minh U, 16", true, true},
    };
    for (const auto& c : cases) {
        SettingsApp fx(Settings{{c.key, c.stored}});
        const std::string name = U16ToUtf8(c.key) + "=" + U16ToUtf8(c.stored);
        EXPECT_EQ(fx.dialog().Label3.Caption, c.label3) << name;
        EXPECT_EQ(fx.dialog().Label4.Caption, c.label4) << name;
        EXPECT_EQ(fx.module().System98, c.system98) << name;
        EXPECT_EQ(fx.Logged().size(), c.logged ? 1u : 0u) << name;
        // Reading never writes: what the user saved stays until the end.
        EXPECT_TRUE(fx.CallsOf({"SaveSetting"}).empty());
        EXPECT_EQ(fx.platform.Setting(c.key), c.stored);
    }
    // A control character read from the file is not echoed raw.
    SettingsApp fx(Settings{{u"System 98", std::u16string(u"ma\0ybe\x1b[2J", 10)}});
    ASSERT_EQ(fx.Logged().size(), 1u);
    EXPECT_NE(fx.Logged()[0].find("ma\\x00ybe\\x1B[2J"), std::string::npos) << fx.Logged()[0];
}

TEST(Settings, TheStoredVietnameseFontSurvivesTheCodeActionAndAllSevenAreWrittenBack) {
    const Settings stored{{u"Present IME", u"PinYin Han"},  {u"VN Code", u"VNI-WIN"},
                          {u"Nom Font Name", u"HanaMinB"},   {u"Nom Font Size", u"10.5"},
                          {u"VN Font Name", u"DejaVu Sans"}, {u"VN Font Size", u"14"},
                          {u"System 98", u"False"}};
    SettingsApp fx(stored);
    EXPECT_EQ(fx.module().VnFontName, u"DejaVu Sans");
    EXPECT_EQ(fx.dialog().Label3.Caption, u"DejaVu Sans, 14");
    for (const auto& [key, value] : stored) fx.platform.SetSetting(key, u"");
    fx.platform.ClearCalls();
    fx.dialog().SaveCauhinh();
    // The seven and the start with the desktop.
    EXPECT_EQ(fx.CallsOf({"SaveSetting"}).size(), 8u);
    for (const auto& [key, value] : stored) EXPECT_EQ(fx.platform.Setting(key), value) << U16ToUtf8(key);
}

TEST(Dialog, LeavingTheCodeBoxProposesTheFontOfItsCode) {
    const std::pair<std::u16string_view, std::u16string_view> cases[] = {
        {u"Unicode", u"Arial, 12"},
        {u"VietWare-X", u"VNtimes new roman, 12"},
        {u"VNI-WIN", u"VNI-Times, 12"},
        {u"TCVN3", u".VnTime, 12"},
        {u"VNI", u"DejaVu Sans, 14"},
    };
    for (const auto& [code, label] : cases) {
        SettingsApp fx(Settings{{u"VN Font Name", u"DejaVu Sans"}, {u"VN Font Size", u"14"}});
        fx.dialog().Combo1.Text = code;
        fx.dialog().Combo1_Validate();
        EXPECT_EQ(fx.dialog().Label3.Caption, label);
        EXPECT_EQ(fx.module().VnFontName, u"DejaVu Sans");  // only OK applies it
    }
}

TEST(Dialog, TheVietnameseChooserRoundsHalvesToEvenAndStartsFromTheFontInForce) {
    const std::pair<float, std::u16string_view> cases[] = {
        {12.5f, u"Times, 12"}, {13.5f, u"Times, 14"}, {10.4f, u"Times, 10"}};
    for (const auto& [size, label] : cases) {
        SettingsApp fx;
        fx.platform.AnswerFontDialog({u"Times", size});
        fx.dialog().Label3_Click();
        fx.dialog().Frame4_Click();  // the second use starts again from Arial, 12
        EXPECT_EQ(fx.dialog().Label3.Caption, label);
        const auto shown = fx.CallsOf({"ShowFontDialog", "MessageBox"});
        ASSERT_EQ(shown.size(), 4u);
        EXPECT_EQ(shown[2], "ShowFontDialog [Chon Font hien thi chu Viet] 3 Arial 12");
        EXPECT_EQ(shown[3].rfind("MessageBox [Việt Orvik thông báo] Người sử dụng phải tự chọn", 0), 0u);
    }
}

TEST(Dialog, TheIdeographChooserKeepsTheSizeAsChosen) {
    SettingsApp fx;
    fx.platform.AnswerFontDialog({u"HanaMinA", 10.5f});
    fx.dialog().Label4_Click();
    EXPECT_EQ(fx.dialog().Label4.Caption, u"HanaMinA, 10.5");
    EXPECT_EQ(fx.CallsOf({"ShowFontDialog"}).front(), "ShowFontDialog [Chon Font xuat ra chu Han] 3 Chu Nom Minh U 16");
    EXPECT_EQ(fx.CallsOf({"MessageBox"}).front().rfind("MessageBox [Việt Orvik thông báo] Định dạng font Orvik", 0), 0u);
    fx.dialog().Command1_Click();
    EXPECT_EQ(fx.module().NomFontName, u"HanaMinA");
    EXPECT_EQ(fx.module().NomFontSize.Text(), u"10.5");
}

// Cancel keeps what the user changed in the dialog; a later OK applies it
// after the code action, so the chosen font wins over the code's own.
TEST(Dialog, CancelKeepsThePendingChoicesAndALaterOkAppliesThem) {
    SettingsApp fx;
    fx.module().TypedKeys = u"hoa";
    fx.platform.AnswerFontDialog({u"Times", 13});
    fx.dialog().Label3_Click();
    fx.dialog().Combo1.Text = u"TCVN3";
    fx.dialog().Combo2.Text = u"Telex->Nom";
    fx.dialog().Command2_Click();
    EXPECT_FALSE(fx.main().Menunoi.TCVN.Checked);
    EXPECT_EQ(fx.module().VnFontName, u"Arial");
    EXPECT_EQ(fx.dialog().Label3.Caption, u"Times, 13");

    fx.dialog().Command1_Click();
    EXPECT_TRUE(fx.main().Menunoi.TCVN.Checked);
    EXPECT_TRUE(fx.main().Menunoi.TelexN.Checked);
    EXPECT_EQ(fx.module().VnFontName, u"Times");
    EXPECT_EQ(fx.module().VnFontSize, 13);
    EXPECT_EQ(fx.module().TypedKeys, u"");
    EXPECT_EQ(fx.platform.Calls().back(), "HideWindow CauHinh");
}

TEST(Dialog, OkWithATextNotInTheListsRunsNoAction) {
    SettingsApp fx(Settings{{u"Present IME", u"PinYin Han"}});
    fx.dialog().Combo1.Text = u"ASCII";
    fx.dialog().Combo2.Text = u"Morse";
    fx.platform.ClearCalls();
    fx.dialog().Command1_Click();
    EXPECT_TRUE(fx.main().Menunoi.PinYin.Checked);
    EXPECT_TRUE(fx.main().Menunoi.Unicode.Checked);
    EXPECT_EQ(fx.platform.Calls(), std::vector<std::string>{"HideWindow CauHinh"});
}

}  // namespace
}  // namespace orvik
