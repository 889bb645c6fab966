// The main window's part in the keyboard hook: the hook installed at its
// creation and removed at its unload, and the command codes of the hook's
// chords reaching its key handler whatever window takes the other keys.
#include <gtest/gtest.h>

#include "ime/candidate_window_app.h"

namespace orvik {
namespace {

using testing::CandidateWindowApp;
using testing::FixtureApp;

TEST(MainWindowHook, CreationInstallsTheHookAndUnloadRemovesIt) {
    FixtureApp fx;
    fx.main();
    const std::vector<std::string> installed{"NhanDien 0 1001", "GetModuleHandleA qxdll.dll",
                                             "GetProcAddress 7 KeyboardHook", "SetWindowsHookExA 2 9 7 0"};
    EXPECT_EQ(fx.platform.Calls(), installed);
    EXPECT_EQ(fx.module().HookHandle, RecordingPlatform::kHookId);

    fx.platform.SetForeground(500, 77, 501);
    fx.main().IMEstate_Click(menu_number::kIMEstate);
    fx.platform.ClearCalls();
    fx.app.UnloadMainWindow();
    const std::vector<std::string> removed{"UnhookWindowsHookEx 11", "FreeLibrary 7", "NhanDien 0 1001",
                                           "UnloadWindow HVTNP"};
    EXPECT_EQ(fx.platform.Calls(), removed);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
}

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

}  // namespace
}  // namespace orvik
