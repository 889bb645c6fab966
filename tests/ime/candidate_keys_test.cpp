#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::ShownFragment;

TEST(CandidateKeys, SwitchingOnRegistersTheWindowWithTheHook) {
    testing::FixtureApp fx;
    fx.main().TelexH_Click(30);
    fx.platform.SetForeground(testing::kEditor, testing::kEditorThread, testing::kEditorFocus);
    fx.platform.ClearCalls();
    fx.main().IMEstate_Click(10);
    const auto& calls = fx.platform.Calls();
    const std::vector<std::string> expected = {
        "MinimizeWindow OrvikU", "AttachThreadInput 1 0 detach", "GetForegroundWindow 500",
        "GetWindowThreadProcessId 500 77", "AttachThreadInput 1 77 attach", "GetFocus 501",
        "ShowWindow HVTNP", "SetWindowPos HVTNP HWND_TOPMOST", "DrawCandidatePage HVTNP.WebBrowser1",
        "NhanDien 1002 1001", "SetWindowPos HVTNP HWND_TOPMOST", "SetFocus 501"};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_TRUE(fx.main().tbToolbar[5].Pressed);
    EXPECT_EQ(fx.candidates().Label1.Caption, u"  ORV Thâu nhập pháp : Telex chữ Hán");
    EXPECT_EQ(fx.candidates().Command3.Caption, u"98");

    fx.main().IMEstate_Click(10);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_FALSE(fx.main().tbToolbar[5].Pressed);
    EXPECT_EQ(fx.platform.Calls().back(), "NhanDien 0 1001");
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());
}

TEST(CandidateKeys, LettersBuildTheCodeAndTheBoxShowsItComposed) {
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");
    EXPECT_EQ(fx.module().TypedKeys, u"hoaf");
    EXPECT_EQ(fx.candidates().Text1.Text, u"ho\u00ECa");  // VietWare-X bytes of hòa
    EXPECT_EQ(fx.module().CandCodes[14], u"6C0E");
    fx.Key('x', kCtrlMask);
    EXPECT_EQ(fx.module().TypedKeys, u"hoaf");  // Ctrl+letter does nothing
}

TEST(CandidateKeys, BackspaceEditsTheCode) {
    CandidateWindowApp fx;
    fx.Keys(u"ab");
    fx.Key(8);
    EXPECT_EQ(fx.module().TypedKeys, u"a");
    EXPECT_EQ(ShownFragment(fx.platform), "&#19968;<FONT color=\"#0066AA\">.&#20108;</FONT> ! End");
    fx.Key(8);
    EXPECT_EQ(fx.module().TypedKeys, u"");
    EXPECT_EQ(fx.candidates().Text1.Text, u"");
}

// With nothing typed the window has no use for these keys: each reaches the
// application as typed, nothing else is sent (no emulated caret moves, no
// lost digits).
TEST(CandidateKeys, KeysWithNothingTypedReachTheApplicationAsTyped) {
    constexpr std::int16_t kKeys[] = {8, 27, 38, 40, '2', '0'};  // Backspace, Esc, Up, Down, digits
    for (const std::int16_t key : kKeys) {
        CandidateWindowApp fx;
        fx.platform.ClearCalls();
        fx.Key(key);
        EXPECT_EQ(fx.CallsOf({"PassKeyOn", "keybd_event", "PostMessageW", "Clipboard"}),
                  std::vector<std::string>{"PassKeyOn"})
            << key;
    }
}

TEST(CandidateKeys, UpAndDownTurnThePages) {
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");  // 15 candidates: pages 0 and 1
    fx.Key(38);
    EXPECT_EQ(fx.module().CurPage, 0);
    fx.Key(40);
    EXPECT_EQ(fx.module().CurPage, 1);
    EXPECT_EQ(ShownFragment(fx.platform), "&#27658;.&#27659;.&#27660;.&#27661;.&#27662; ! End");
    fx.platform.ClearCalls();
    fx.Key(40);  // past the last page: nothing is drawn
    EXPECT_EQ(fx.module().CurPage, 1);
    EXPECT_TRUE(fx.platform.Calls().empty());
}

TEST(CandidateKeys, ZAndEscEmptyTheBoxOrOnlyHideTheVisiblePopup) {
    CandidateWindowApp fx;
    fx.Key('Z');  // an empty box: Z starts a code
    EXPECT_EQ(fx.module().TypedKeys, u"Z");
    fx.app.Popup().ShowPage(u"about:blank");
    fx.Key('z');
    EXPECT_FALSE(fx.app.PopupVisible());
    EXPECT_EQ(fx.module().TypedKeys, u"Z");
    fx.Key('z');
    EXPECT_EQ(fx.module().TypedKeys, u"");
    fx.Keys(u"ab");
    fx.Key(27);
    EXPECT_EQ(fx.candidates().Text1.Text, u"");
    EXPECT_TRUE(fx.module().CandPages[0].empty());
}

TEST(CandidateKeys, PinYinDigitsJoinTheCodeUntilCandidatesShow) {
    CandidateWindowApp fx(&OrvikU::PINYIN_Click);
    fx.Keys(u"yi");
    fx.Key('1');
    EXPECT_EQ(fx.module().TypedKeys, u"yi1");
    EXPECT_EQ(fx.module().CandCodes[0], u"4E00");
    fx.Key('2');  // candidates are shown: 2 picks an empty position
    EXPECT_EQ(fx.module().TypedKeys, u"yi1");
    EXPECT_TRUE(fx.CallsOf({"ClipboardSetText"}).empty());
}

TEST(CandidateKeys, CtrlDigitLooksTheCandidateUpInsteadOfSendingIt) {
    CandidateWindowApp fx;
    fx.Keys(u"a");
    fx.Key('2', kCtrlMask);
    // 4E8C is listed as a variant key of 4E00: its page is the Han page of 19968.
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:hvtdu.chm::/html\\hv19968.htm");
    EXPECT_TRUE(fx.app.PopupVisible());
    EXPECT_TRUE(fx.module().PageInPopup);
    EXPECT_TRUE(fx.CallsOf({"ClipboardSetText", "keybd_event"}).empty());
    EXPECT_EQ(fx.module().TypedKeys, u"a");
}

TEST(CandidateKeys, ButtonsPageToggleTheModeAndOpenTheGuide) {
    CandidateWindowApp fx;
    fx.Keys(u"hoaf");
    fx.candidates().Command5_Click();
    EXPECT_EQ(fx.module().CurPage, 0);
    fx.candidates().Command6_Click();
    fx.candidates().Command6_Click();
    EXPECT_EQ(fx.module().CurPage, 1);
    EXPECT_EQ(fx.platform.Calls().back(), "FocusControl HVTNP.Text1");
    fx.candidates().Command3_Click();
    EXPECT_EQ(fx.candidates().Command3.Caption, u"2K");
    EXPECT_FALSE(fx.module().System98);
    fx.candidates().Command3_Click();
    EXPECT_TRUE(fx.module().System98);
    fx.candidates().Command4_Click();
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:nomtdu.chm::/Chidannhanh.htm");
    EXPECT_FALSE(fx.app.Popup().Text1.Visible);
    fx.candidates().Command1_MouseUp(kLeftButton);
    EXPECT_EQ(fx.CallsOf({"ShowPopupMenu"}).size(), 1u);
    fx.candidates().Label1_MouseMove(kLeftButton);
    fx.candidates().Label1_MouseMove(0);
    EXPECT_EQ(fx.CallsOf({"DragWindow"}).size(), 1u);
}

TEST(CandidateKeys, TheBoxLooksTheTypedWordUpInTheWordList) {
    CandidateWindowApp fx;
    fx.platform.SetFile("/current/tdviet.idx", "/hoaf/nguwowif/");
    fx.Keys(u"nguwowif");
    fx.candidates().Text1_MouseDown();
    EXPECT_EQ(fx.app.Popup().WebBrowser1.Address, u"its:tdviet.chm::/vnguwowif.htm");
    fx.Key(27);
    fx.Keys(u"xyz");
    fx.app.Popup().Hide();
    fx.candidates().Text1_MouseDown();
    EXPECT_FALSE(fx.app.PopupVisible());
}

TEST(CandidateKeys, ClosingTheWindowSwitchesTheInputMethodOff) {
    CandidateWindowApp fx;
    fx.candidates().Image1_Click();
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_EQ(fx.platform.Calls().front(), "NhanDien 0 1001");
    fx.Keys(u"a");  // keys go to the main window now
    EXPECT_EQ(fx.module().TypedKeys, u"");
    fx.main().IMEstate_Click(10);
    EXPECT_TRUE(fx.app.CandidateWindowLoaded());
    fx.Keys(u"a");
    EXPECT_EQ(fx.module().TypedKeys, u"a");
}

TEST(CandidateKeys, MinimizingChangesTheCaption) {
    CandidateWindowApp fx;
    fx.candidates().Form_Resize(true);
    EXPECT_EQ(fx.candidates().Caption, u"HV-IME");
    fx.candidates().Form_Resize(false);
    EXPECT_EQ(fx.candidates().Caption, u"Han Viet Thau Nhap Phap Unicode");
}

}  // namespace
}  // namespace orvik
