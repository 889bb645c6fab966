// The settings read at start-up and written at the end, and the
// configuration dialog's choices: code box, start with the desktop, OK and
// Cancel.
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
    // The dialog's boxes, the mode and code in force, 98 or 2K and the start
    // with the desktop, as "Combo2|Combo1|Label3|Label4|mode|code|98|desk".
    std::u16string State() {
        const Menunoi& m = main().Menunoi;
        std::u16string code;
        for (auto [item, name] : {std::pair{&Menunoi::Unicode, u"Unicode"}, {&Menunoi::VW2, u"VW"},
                                  {&Menunoi::VNI2, u"VNI"}, {&Menunoi::TCVN, u"TCVN"}})
            if ((m.*item).Checked) code += name;
        return dialog().Combo2.Text + u"|" + dialog().Combo1.Text + u"|" + dialog().Label3.Caption + u"|" +
               dialog().Label4.Caption + u"|" + module().ModeName + u"|" + code + u"|" +
               (app.output().System98 ? u"98" : u"2K") + u"|" + (dialog().Check3.Value ? u"desk" : u"");
    }
};

const std::u16string kDefaults = u"Telex->Han|Unicode|Arial, 12|Chu Nom Minh U, 16|Telex Han|Unicode|98|";

// Each setting alone; a value that cannot be used is logged and its default
// used, and reading never writes: what the user saved stays until the end.
TEST(Settings, EachStoredValueTakesEffectAndAnUnusableOneFallsBack) {
    struct Case {
        std::u16string_view key;
        std::u16string stored, state;
        bool logged;
    };
    const Case cases[] = {
        {u"Present IME", u"", kDefaults, true},
        {u"Present IME", u"Telex->Nom", u"Telex->Nom|Unicode|Arial, 12|Chu Nom Minh U, 16|Telex Nom|Unicode|98|", false},
        {u"Present IME", u"S-CangJie Han", u"S-CangJie Han|Unicode|Arial, 12|Chu Nom Minh U, 16|CangJie Han|Unicode|98|", false},
        // No mode of its own: the box keeps it, to be stored again at the end.
        {u"Present IME", u"VNI->Nom", u"VNI->Nom|Unicode|Arial, 12|Chu Nom Minh U, 16||Unicode|98|", false},
        {u"Present IME", u"telex->han", kDefaults, true},
        {u"VN Code", u"VietWare-X", u"Telex->Han|VietWare-X|Arial, 12|Chu Nom Minh U, 16|Telex Han|VW|98|", false},
        {u"VN Code", u"TCVN3", u"Telex->Han|TCVN3|Arial, 12|Chu Nom Minh U, 16|Telex Han|TCVN|98|", false},
        {u"VN Code", u"tcvn3", kDefaults, true},
        {u"VN Font Name", u"VNI-Times", u"Telex->Han|Unicode|VNI-Times, 12|Chu Nom Minh U, 16|Telex Han|Unicode|98|", false},
        {u"Nom Font Name", u"HanaMinA", u"Telex->Han|Unicode|Arial, 12|HanaMinA, 16|Telex Han|Unicode|98|", false},
        {u"VN Font Size", u"abc", kDefaults, true},
        {u"VN Font Size", u"40000", kDefaults, true},
        {u"VN Font Size", u"12.5", kDefaults, false},
        {u"VN Font Size", u"13.5", u"Telex->Han|Unicode|Arial, 14|Chu Nom Minh U, 16|Telex Han|Unicode|98|", false},
        {u"Nom Font Size", u"16.0", u"Telex->Han|Unicode|Arial, 12|Chu Nom Minh U, 16.0|Telex Han|Unicode|98|", false},
        {u"Nom Font Size", u"0", kDefaults, true},
        {u"Nom Font Size", u"1", u"Telex->Han|Unicode|Arial, 12|Chu Nom Minh U, 1|Telex Han|Unicode|98|", false},
        {u"System 98", u"False", u"Telex->Han|Unicode|Arial, 12|Chu Nom Minh U, 16|Telex Han|Unicode|2K|", false},
        {u"System 98", u"0", u"Telex->Han|Unicode|Arial, 12|Chu Nom Minh U, 16|Telex Han|Unicode|2K|", false},
        {u"System 98", u"maybe", kDefaults, true},
        {u"Start With Desktop", u"True", kDefaults + u"desk", false},
        {u"Start With Desktop", u"1", kDefaults + u"desk", false},
        {u"Start With Desktop", u"false", kDefaults, false},
        {u"Start With Desktop", u"yes", kDefaults, true},
    };
    for (const auto& c : cases) {
        SettingsApp fx(Settings{{c.key, c.stored}});
        const std::string name = U16ToUtf8(c.key) + "=" + U16ToUtf8(c.stored);
        EXPECT_EQ(U16ToUtf8(fx.State()), U16ToUtf8(c.state)) << name;
        EXPECT_EQ(fx.platform.Logged().size(), c.logged ? 1u : 0u) << name;
        EXPECT_EQ(fx.platform.SettingsSaved(), 0) << name;
        EXPECT_EQ(fx.dialog().StartWithDesktop, fx.dialog().Check3.Value) << name;
    }
    SettingsApp none;
    EXPECT_EQ(none.State(), kDefaults);
    EXPECT_EQ(none.dialog().Combo1.List, (std::vector<std::u16string>{u"Unicode", u"VietWare-X", u"VNI-WIN", u"TCVN3"}));
    EXPECT_EQ(none.dialog().Combo2.List.size(), 7u);
    EXPECT_EQ(none.dialog().Combo2.List[2], u"VNI->Han");
    EXPECT_TRUE(SettingsApp(Settings{{u"Present IME", u"VNI->Han"}}).module().DirectoryLine.empty());
    // A control character read from the store is not echoed raw.
    SettingsApp raw(Settings{{u"System 98", std::u16string(u"ma\0ybe\x1b[2J", 10)}});
    ASSERT_EQ(raw.platform.Logged().size(), 1u);
    EXPECT_NE(raw.platform.Logged()[0].find("ma\\x00ybe\\x1B[2J"), std::string::npos) << raw.platform.Logged()[0];
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
        const LetterTables chosen = testing::LettersOf(c.letterTable);
        SettingsApp fx(Settings{{u"VN Code", c.code}, {u"Present IME", c.mode}});
        fx.main().TelexH_Click(menu_number::kTelexH);
        for (char16_t key : std::u16string_view(u"HOAF")) TypeIntoText1(fx.main(), static_cast<std::int16_t>(key), 0);
        EXPECT_EQ(fx.main().Text1.Text, ComposeForOutput(chosen, u"hoaf", false, false));
        fx.dialog().Command1_Click();
        EXPECT_EQ(fx.session().Tables().CodeLetters, chosen.CodeLetters);
    }
}

// Cancel keeps what the user changed in the dialog; a later OK applies it
// after the code action, so the chosen font wins over the code's own.
TEST(Dialog, CancelKeepsThePendingChoicesAndALaterOkAppliesThem) {
    SettingsApp fx;
    fx.session().SetKeys(u"hoa");
    fx.platform.AnswerFontDialog({u"Times", 13});
    fx.dialog().Label3_Click();
    EXPECT_EQ(fx.dialog().Label3.Caption, u"Times, 13");
    fx.platform.AnswerFontDialog({u"HanaMinA", 20});
    fx.dialog().Label4_Click();
    EXPECT_EQ(fx.CallsOf({"ShowFontDialog"}),
              (std::vector<std::string>{"ShowFontDialog [Chon Font hien thi chu Viet] Arial",
                                        "ShowFontDialog [Chon Font xuat ra chu Han] Chu Nom Minh U"}));
    EXPECT_EQ(fx.platform.Messages().size(), 2u);  // where each font shows
    fx.dialog().Combo1.Text = u"TCVN3";
    fx.dialog().Combo2.Text = u"Telex->Nom";
    fx.dialog().Check3.Value = true;
    fx.dialog().Command2_Click();
    EXPECT_EQ(fx.State(), u"Telex->Nom|TCVN3|Times, 13|HanaMinA, 20|Telex Han|Unicode|98|desk");
    EXPECT_FALSE(fx.dialog().StartWithDesktop);
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::CauHinh));
    fx.dialog().Command1_Click();
    EXPECT_EQ(fx.State(), u"Telex->Nom|TCVN3|Times, 13|HanaMinA, 20|Telex Nom|TCVN|98|desk");
    EXPECT_EQ(fx.app.output().VnFontName, u"Times");
    EXPECT_EQ(fx.app.output().VnFontSize, 13);
    EXPECT_EQ(fx.app.output().NomFontName, u"HanaMinA");
    EXPECT_EQ(fx.app.output().NomFontSize.Points(), 20.0f);
    EXPECT_EQ(fx.session().Keys(), u"");
    EXPECT_TRUE(fx.dialog().StartWithDesktop);
    EXPECT_EQ(fx.CallsOf({"SetAutostartEntry"}), std::vector<std::string>{"SetAutostartEntry 1"});
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::CauHinh));

    // Leaving the code box proposes the font of its code.
    SettingsApp proposed;
    proposed.dialog().Combo1.Text = u"TCVN3";
    proposed.dialog().Combo1_Validate();
    EXPECT_EQ(proposed.dialog().Label3.Caption, u".VnTime, 12");

    SettingsApp unknown(Settings{{u"Present IME", u"PinYin Han"}});
    unknown.dialog().Combo1.Text = u"ASCII";
    unknown.dialog().Combo1_Validate();  // no code of that name: no font proposed
    unknown.dialog().Combo2.Text = u"Morse";
    unknown.dialog().Command1_Click();  // runs no action
    EXPECT_EQ(unknown.State(), u"Morse|ASCII|Arial, 12|Chu Nom Minh U, 16|PinYin|Unicode|98|");
}

// OK changes the desktop's entry only when the box differs from the choice
// in force; a refusal is told, and the box and the end keep the choice in
// force.
TEST(StartWithDesktop, OkChangesTheEntryOnlyWhenTheChoiceChanged) {
    struct Case {
        std::u16string stored;
        bool box, refused;
        std::vector<std::string> entryCalls;
        bool kept;
    };
    const Case cases[] = {
        {u"False", true, false, {"SetAutostartEntry 1"}, true},
        {u"True", false, false, {"SetAutostartEntry 0"}, false},
        {u"True", true, false, {}, true},
        {u"False", false, false, {}, false},
        {u"False", true, true, {"SetAutostartEntry 1"}, false},
        {u"True", false, true, {"SetAutostartEntry 0"}, true},
    };
    for (const auto& c : cases) {
        const std::string name = U16ToUtf8(c.stored) + (c.box ? " on" : " off") + (c.refused ? " refused" : "");
        SettingsApp fx(Settings{{u"Start With Desktop", c.stored}});
        if (c.refused) fx.platform.RefuseAutostart();
        fx.dialog().Check3.Value = c.box;
        fx.dialog().Command1_Click();
        EXPECT_EQ(fx.CallsOf({"SetAutostartEntry"}), c.entryCalls) << name;
        EXPECT_EQ(fx.dialog().StartWithDesktop, c.kept) << name;
        EXPECT_EQ(fx.dialog().Check3.Value, c.kept) << name;
        EXPECT_EQ(fx.platform.Messages().size(), c.refused ? 1u : 0u) << name;
        if (c.refused)
            EXPECT_NE(fx.platform.Messages()[0].find(c.kept ? "Không xóa được" : "Không ghi được"), std::string::npos);
        fx.main().Close_Click(menu_number::kClose);
        EXPECT_EQ(fx.platform.Setting(u"Start With Desktop"), c.kept ? u"True" : u"False") << name;
    }
}

}  // namespace
}  // namespace orvik
