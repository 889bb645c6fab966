// The candidate window switched on over an editor: what each key leaves in
// the editor, in the typed code and on the clipboard.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;

TEST(CandidateWindow, SwitchingOnTargetsTheEditorAndRegistersWithTheHook) {
    CandidateWindowApp fx;
    EXPECT_TRUE(fx.platform.Minimized(WindowId::OrvikU));
    EXPECT_TRUE(fx.platform.WindowVisible(WindowId::HVTNP));
    EXPECT_TRUE(fx.platform.Topmost(WindowId::HVTNP));
    EXPECT_EQ(fx.platform.HookTarget(), fx.platform.HandleOf(WindowId::HVTNP));
    EXPECT_TRUE(fx.main().tbToolbar[5].Pressed);
    EXPECT_EQ(fx.candidates().Label1.Caption, u"  ORV Thâu nhập pháp : Telex chữ Hán");
    EXPECT_EQ(fx.candidates().Frame1.Caption, u"Telex Han");
    EXPECT_EQ(fx.candidates().WebBrowser1.Address, u"about:blank");
    EXPECT_EQ(fx.candidates().Command3.Caption, u"98");
    // Another mode chosen while the window shows names itself there.
    fx.main().TelexN_Click(menu_number::kTelexN);
    EXPECT_EQ(fx.candidates().Label1.Caption, u"  ORV Thâu nhập pháp : Telex chữ Nôm");
    EXPECT_EQ(fx.candidates().Frame1.Caption, u"Telex Nom");
    fx.main().TelexH_Click(menu_number::kTelexH);
    std::u16string digits;
    for (const auto& button : fx.candidates().Command2) digits += button.Caption;
    EXPECT_EQ(digits, u"1234567890");

    fx.main().IMEstate_Click(menu_number::kIMEstate);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_FALSE(fx.main().tbToolbar[5].Pressed);
    EXPECT_EQ(fx.platform.HookTarget(), 0u);
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());

    // The hook's on/off chord does the same from any application.
    fx.platform.DeliverKey(kCmdImeOnOff);
    EXPECT_TRUE(fx.app.CandidateWindowLoaded());
    fx.platform.DeliverKey(u'h');  // the candidate window's now, but not the command codes
    EXPECT_EQ(fx.session().Keys(), u"h");
    fx.platform.DeliverKey(kCmdImeOnOff);
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());
}

// A word typed into the window, then one key; the editor held "x" before.
TEST(CandidateWindow, EachKeySendsWhatTheEditorEndsUpWith) {
    struct Case {
        const char* name;
        void (OrvikU::*mode)(std::int16_t);
        bool system98, editorPastes;
        std::u16string_view word;
        std::int16_t key;
        std::u16string_view text;  // the editor's text afterwards
        bool pasted, passed;       // a Ctrl+V; the key went on as typed
        std::u16string_view typed; // the code left
    };
    const auto H = &OrvikU::TelexH_Click;
    const Case cases[] = {
        {"2K pick", H, false, true, u"a", '1', u"x一 ", false, false, u""},
        {"98 pick", H, true, true, u"a", '1', u"x一 ", true, false, u""},
        {"98 into a terminal", H, true, false, u"a", '1', u"x一 ", false, false, u""},
        {"0 picks the tenth", H, false, true, u"ab", '0', u"x三 ", false, false, u""},
        {"beyond U+FFFF", &OrvikU::TelexN_Click, false, true, u"mootj", '2', u"x\U0002000B ", false, false, u""},
        {"empty position", H, true, true, u"a", '5', u"x", false, false, u"a"},
        {"2K Space", H, false, true, u"hoaf", kVkSpace, u"xhòa ", false, false, u""},
        {"98 Space", H, true, true, u"hoaf", kVkSpace, u"xhòa ", true, false, u""},
        {"comma", H, false, true, u"hoaf", kVkComma, u"xhòa,", false, false, u""},
        {"Enter", H, false, true, u"hoaf", kVkReturn, u"xhòa\n", false, true, u""},
        {"Tab", H, true, true, u"hoaf", kVkTab, u"xhòa\t", true, true, u""},
        {"a symbol", H, false, true, u"hoaf", kVkOem8, u"xhòa", false, true, u""},
        {"Ctrl+digit", H, false, true, u"a", '2', u"x", false, false, u"a"},
        // With nothing typed the window has no use for the key, and the
        // user's clipboard stays as it was.
        {"empty Space", H, true, true, u"", kVkSpace, u"x ", false, false, u""},
        {"empty Backspace", H, true, true, u"", kVkBack, u"", false, true, u""},
        {"empty Enter", H, true, true, u"", kVkReturn, u"x\n", false, true, u""},
        {"empty Esc", H, true, true, u"", kVkEscape, u"x", false, true, u""},
        {"empty Down", H, true, true, u"", kVkDown, u"x", false, true, u""},
        {"empty digit", H, true, true, u"", '2', u"x2", false, true, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CandidateWindowApp fx(c.mode);
        fx.app.output().System98 = c.system98;
        fx.platform.SetForegroundPastes(c.editorPastes);
        fx.platform.SetReceivedText(u"x");
        fx.platform.ClipboardSetText(u"copied", kClipboardText);
        fx.Keys(c.word);
        fx.Key(c.key, std::string_view(c.name) == "Ctrl+digit" ? kCtrlMask : 0);
        EXPECT_EQ(fx.platform.ReceivedText(), c.text);
        EXPECT_EQ(fx.platform.Pastes().size(), c.pasted ? 1u : 0u);
        if (!c.pasted) EXPECT_EQ(fx.platform.Clipboard(kClipboardText), u"copied");
        EXPECT_EQ(fx.platform.PassedKeys(), c.passed ? std::vector{c.key} : std::vector<std::int16_t>{});
        EXPECT_TRUE(fx.platform.HeldKeys().empty());
        EXPECT_EQ(fx.session().Keys(), c.typed);
        EXPECT_EQ(fx.candidates().Text1.Text.empty(), c.typed.empty());
        EXPECT_EQ(fx.session().Candidates().Field(0).empty(), c.typed.empty());
        EXPECT_EQ(fx.platform.WordPendingReported(), !c.typed.empty());
    }
}

TEST(CandidateWindow, APickKeepsItsRtfAndSurrogatesForTheWindow) {
    CandidateWindowApp fx(&OrvikU::TelexN_Click);
    fx.Keys(u"mootj");
    fx.platform.ClipboardSetText(u"copied before", kClipboardText);
    fx.Key('2');  // 2000B
    EXPECT_EQ(fx.platform.Clipboard(kClipboardText), u"");  // the paste holds the pick alone
    EXPECT_EQ(fx.candidates().HighSurrogate, -10176);
    EXPECT_EQ(fx.candidates().LowSurrogate, -9205);
    EXPECT_EQ(fx.platform.Clipboard(kClipboardRtf).substr(0, 6), u"{\\rtf1");
    fx.Keys(u"mootj");
    fx.Key('1');
    EXPECT_EQ(fx.candidates().HighSurrogate, 0);
    EXPECT_EQ(fx.candidates().LowSurrogate, 0);
}

// Sends follow the foreground application; the program's own windows get
// nothing, and the code waits for a window that takes it.
TEST(CandidateWindow, SendsFollowTheForegroundAndSkipTheProgramsOwnWindows) {
    CandidateWindowApp fx;
    fx.candidates().Command3_Click();  // 2K
    fx.Keys(u"a");
    fx.Key('1');
    fx.platform.SetForeground(WindowId::HVTNP);
    fx.Keys(u"a");
    fx.Key('1');
    EXPECT_EQ(fx.platform.ReceivedText(), u"一 ");
    EXPECT_EQ(fx.platform.TextOf(fx.platform.HandleOf(WindowId::HVTNP)), u"");
    EXPECT_EQ(fx.session().Keys(), u"a");
    fx.Key('1');  // still in front: the last target's focus receives it
    EXPECT_EQ(fx.platform.ReceivedText(), u"一 一");

    fx.platform.SetForeground(600, 601);
    for (int i = 0; i < 2; ++i) {
        fx.Keys(u"a");
        fx.Key('1');
    }
    EXPECT_EQ(fx.platform.TextOf(601), u"一 一 ");
}

TEST(CandidateWindow, ZAndEscHideAVisiblePopupBeforeEmptyingTheBox) {
    CandidateWindowApp fx;
    fx.Keys(u"a");
    for (const std::int16_t key : {std::int16_t{'z'}, kVkEscape}) {
        fx.app.Popup().ShowPage(u"about:blank");
        fx.Key(key);
        EXPECT_FALSE(fx.app.PopupVisible());
        EXPECT_EQ(fx.candidates().Text1.Text, u"a");
    }
    fx.Key('z');
    EXPECT_EQ(fx.candidates().Text1.Text, u"");
}

TEST(CandidateWindow, CtrlDigitAndTheButtonsLookTheCandidateUp) {
    CandidateWindowApp fx;
    fx.Keys(u"a");
    fx.Key('2', kCtrlMask);
    // 4E8C is listed as a variant key of 4E00: its page is 19968's.
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm");
    fx.app.HidePopup();
    fx.candidates().Command2_MouseDown(0);
    EXPECT_TRUE(fx.app.PopupVisible());
    fx.app.HidePopup();
    fx.candidates().Command2_MouseDown(5);  // empty
    EXPECT_FALSE(fx.app.PopupVisible());
    fx.Key(kVkEscape);
    fx.Keys(u"hoaf");
    fx.Key(kVkDown);
    fx.candidates().Command2_MouseDown(4);  // the last of 15, on the second page
    EXPECT_TRUE(fx.app.PopupVisible());
}

TEST(CandidateWindow, ButtonsPageToggleTheModeAndOpenTheGuide) {
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");
    const auto shows = [&](int page) {
        EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), page);
        EXPECT_EQ(fx.platform.DrawnPage("HVTNP.WebBrowser1"), fx.session().Candidates().ShownPage());
        EXPECT_EQ(fx.platform.FocusedControl(), "HVTNP.Text1");  // typing goes on in the box
        fx.platform.FocusControl("HVTNP.Command1");
    };
    fx.candidates().Command5_Click();
    shows(0);
    fx.candidates().Command6_Click();
    fx.candidates().Command6_Click();
    shows(1);
    fx.candidates().Command5_Click();
    shows(0);
    fx.Key(kVkDown);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 1);
    fx.Key(kVkUp);
    EXPECT_EQ(fx.session().Candidates().ShownPageNumber(), 0);
    fx.candidates().Command3_Click();
    EXPECT_EQ(fx.candidates().Command3.Caption, u"2K");
    EXPECT_FALSE(fx.app.output().System98);
    fx.candidates().Command3_Click();
    EXPECT_TRUE(fx.app.output().System98);
    fx.candidates().Command4_Click();
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:nomtdu.chm::/Chidannhanh.htm");
    EXPECT_FALSE(fx.app.Popup().Text1.Visible);
    fx.candidates().Command1_MouseUp(kLeftButton);
    EXPECT_EQ(fx.platform.PopupMenusShown(), 1);
    fx.candidates().Command1_MouseUp(kRightButton);
    EXPECT_TRUE(fx.app.Popup().Text1.Visible);  // the transcription
    fx.candidates().Label1_MouseMove(kLeftButton);
    fx.candidates().Label1_MouseMove(0);
    EXPECT_EQ(fx.CallsOf({"DragWindow"}).size(), 1u);
    fx.candidates().Form_Resize(true);
    EXPECT_EQ(fx.candidates().Caption, u"HV-IME");
    fx.candidates().Form_Resize(false);
    EXPECT_EQ(fx.candidates().Caption, u"Han Viet Thau Nhap Phap Unicode");
}

// A press on the box looks the typed word up in the Vietnamese word list,
// read when first needed.
TEST(CandidateWindow, TheBoxLooksTheTypedWordUpInTheWordList) {
    CandidateWindowApp fx;
    fx.platform.SetFile("/current/tdviet.idx", "/hoaf/nguwowif/");
    fx.Keys(u"nguwowif");
    fx.candidates().Text1_MouseDown();
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:tdviet.chm::/vnguwowif.htm");
    fx.Key(kVkEscape);
    fx.Keys(u"xyz");
    fx.app.Popup().Hide();
    fx.candidates().Text1_MouseDown();
    EXPECT_FALSE(fx.app.PopupVisible());
}

TEST(CandidateWindow, ClosingItSwitchesTheInputMethodOff) {
    CandidateWindowApp fx;
    fx.candidates().Image1_Click();
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_FALSE(fx.main().tbToolbar[5].Pressed);
    EXPECT_EQ(fx.platform.HookTarget(), 0u);
    fx.Keys(u"a");  // the main window's now
    EXPECT_EQ(fx.session().Keys(), u"");
    fx.main().IMEstate_Click(menu_number::kIMEstate);
    fx.Keys(u"a");
    EXPECT_EQ(fx.session().Keys(), u"a");
}

}  // namespace
}  // namespace orvik
