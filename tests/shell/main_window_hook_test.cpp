// The command codes of the keyboard hook's chords reaching the main window's
// key handler whatever window takes the other keys.
#include <gtest/gtest.h>

#include "ime/candidate_window_app.h"
#include "shell/main_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::FixtureApp;

TEST(MainWindowHook, TheOnOffChordSwitchesTheInputMethodFromAnyApplication) {
    FixtureApp fx;
    fx.main().TelexH_Click(menu_number::kTelexH);
    fx.platform.SetForeground(500, 77, 501);
    fx.platform.DeliverKey(kCmdImeOnOff);
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_TRUE(fx.app.CandidateWindowLoaded());
    // The candidate window now takes the keys, but not the command codes.
    fx.platform.DeliverKey(u'h');
    EXPECT_EQ(fx.module().TypedKeys, u"h");
    fx.platform.DeliverKey(kCmdImeOnOff);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());
}

TEST(MainWindowHook, TheNextModeChordGoesRound) {
    struct Step {
        MenuItem Menunoi::*from;
        MenuItem Menunoi::*to;
    };
    const Step steps[] = {{&Menunoi::TelexH, &Menunoi::TelexN},  {&Menunoi::TelexN, &Menunoi::PinYin},
                          {&Menunoi::PinYin, &Menunoi::CangJie}, {&Menunoi::CangJie, &Menunoi::CangJieH},
                          {&Menunoi::CangJieH, &Menunoi::TelexH}};
    for (const Step& step : steps) {
        FixtureApp fx;
        (fx.main().Menunoi.*step.from).Checked = true;
        fx.platform.DeliverKey(kCmdNextMode);
        EXPECT_TRUE((fx.main().Menunoi.*step.to).Checked);
        EXPECT_FALSE((fx.main().Menunoi.*step.from).Checked);
    }
    FixtureApp none;
    none.main();
    none.platform.ClearCalls();
    none.platform.DeliverKey(kCmdNextMode);
    EXPECT_TRUE(none.platform.Calls().empty());
}

TEST(MainWindowHook, TelexChordsChooseTheModeAndSearchTheTypedCodeAgain) {
    CandidateWindowApp fx(&OrvikU::CangJieH_Click);
    fx.Keys(u"mootj");
    EXPECT_TRUE(fx.module().CandPages[0].empty());
    fx.platform.DeliverKey(kCmdTelexNom);
    EXPECT_TRUE(fx.main().Menunoi.TelexN.Checked);
    EXPECT_FALSE(fx.main().Text1.Text.empty());
    EXPECT_NE(fx.module().CandPages[0].find(u"&#19968;"), std::u16string::npos);

    fx.platform.DeliverKey(kCmdTelexHan);
    EXPECT_TRUE(fx.main().Menunoi.TelexH.Checked);
    EXPECT_FALSE(fx.main().Menunoi.TelexN.Checked);
}

TEST(MainWindowHook, TranscriptionChordsCopyWaitAndTranscribe) {
    for (std::int16_t code : {kCmdTranscribe, kCmdTranscribeToo}) {
        CandidateWindowApp fx;
        fx.platform.DeliverKey(code);
        const std::vector<std::string> expected{"keybd_event 17 29 0", "keybd_event 67 23 0", "keybd_event 67 23 2",
                                                "keybd_event 17 29 2", "Sleep 200", "ClipboardGetText -16639"};
        EXPECT_EQ(fx.CallsOf({"keybd_event", "Sleep", "ClipboardGetText"}), expected) << code;
    }
}

TEST(MainWindowHook, LookUpChordsCopyTheSelectionAsTheForegroundAllows) {
    struct Case {
        std::int16_t code;
        bool ownWindowInFront;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {kCmdLookup, false,
         {"keybd_event 17 29 0", "keybd_event 67 23 0", "keybd_event 67 23 2", "keybd_event 17 29 2", "Sleep 200",
          "Sleep 100"}},
        // The user still holds Ctrl: only C is added, and the window steps aside.
        {kCmdLookupHeld, false, {"keybd_event 67 23 0", "keybd_event 67 23 2", "MinimizeWindow OrvikU", "Sleep 100"}},
        {kCmdLookupHeld, true, {"SendKeys ^c", "Sleep 100"}},
    };
    for (const auto& c : cases) {
        testing::MainWindowApp fx;
        if (c.ownWindowInFront) fx.platform.SetForeground(WindowId::OrvikU);
        else fx.platform.SetForeground(testing::kEditor, testing::kEditorThread, testing::kEditorFocus);
        fx.platform.DeliverKey(c.code);
        EXPECT_EQ(fx.CallsOf({"keybd_event", "Sleep", "SendKeys", "MinimizeWindow"}), c.calls) << c.code;
    }
}

// Both look-up chords end as the tray icon's left press does: the page of
// the copied selection in the quick-view popup.
TEST(MainWindowHook, LookUpChordsShowTheSelectionsPageInThePopup) {
    for (std::int16_t code : {kCmdLookup, kCmdLookupHeld}) {
        testing::MainWindowApp fx;
        fx.platform.SetForeground(testing::kEditor, testing::kEditorThread, testing::kEditorFocus);
        fx.platform.ClipboardSetText(u"{\\rtf1 \\u12300?\\u19968?}", kClipboardRtf);
        fx.platform.DeliverKey(code);
        EXPECT_TRUE(fx.app.PopupVisible()) << code;
        EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm") << code;
    }
}

TEST(MainWindowHook, TelexChordsRewriteTheBoxWithTheCaretAtItsEnd) {
    testing::MainWindowApp fx(&OrvikU::CangJieH_Click);
    fx.Keys(u"hoaf");
    fx.platform.ClearCalls();
    fx.platform.DeliverKey(kCmdTelexHan);
    EXPECT_EQ(fx.Box(), u"hòa");
    EXPECT_EQ(fx.CallsOf({"SendKeys"}), std::vector<std::string>{"SendKeys ^{END}"});
}

TEST(MainWindowHook, EscHidesThePopupOrEndsTheWordWhereItIsTyped) {
    testing::MainWindowApp fx;
    fx.Keys(u"hoaf");
    fx.module().PageInPopup = true;
    fx.app.ShowCharPage(u"4E00");
    fx.platform.DeliverKey(kVkEscape);
    EXPECT_FALSE(fx.app.PopupVisible());
    EXPECT_EQ(fx.Box(), u"hòa");

    fx.platform.DeliverKey(kVkEscape);
    EXPECT_EQ(fx.main().Text1.Text, u"");
    EXPECT_EQ(fx.main().Label2.Caption, u"");
    EXPECT_EQ(fx.module().TypedKeys, u"");

    // Esc typed in the main window while the input method is on.
    CandidateWindowApp on;
    on.Keys(u"hoaf");
    on.main().Text1.Text = u"hoa";
    std::int16_t esc = kVkEscape;
    on.main().Form_KeyUp(esc, 0);
    EXPECT_EQ(on.candidates().Text1.Text, u"");
    EXPECT_EQ(on.module().TypedKeys, u"");
    EXPECT_EQ(on.main().Text1.Text, u"hoa");  // the main window's box is not the one typed in
}

}  // namespace
}  // namespace orvik
