// The program's start and its ends, seen from the desktop: icons, hook,
// windows, the saved settings and the page file.
#include <gtest/gtest.h>

#include "ime/fixture_app.h"
#include "shell/main_procedure.h"

namespace orvik {
namespace {

using testing::FixtureApp;

constexpr WindowHandle kMain = 1001;
constexpr WindowHandle kPopup = 1003;
using Icons = std::set<std::pair<WindowHandle, std::uint32_t>>;

TEST(Start, AnotherInstanceRunningIsToldAndNothingElseIsTouched) {
    FixtureApp fx;
    fx.platform.SetOtherInstance(true);
    EXPECT_FALSE(Main(fx.app));
    EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"VietOrvikU2004 dang chay !"});
    EXPECT_EQ(fx.platform.QuitRequests(), 1);
    EXPECT_EQ(fx.platform.Calls().size(), 3u);  // asked, told, ended: no icon, no hook, no window
}

TEST(Start, ANormalStartShowsTheMainWindowWithTheInputMethodOff) {
    FixtureApp fx;
    ASSERT_TRUE(Main(fx.app));
    EXPECT_EQ(fx.platform.TrayIcons(), (Icons{{kMain, 1}, {kPopup, 1}}));
    EXPECT_EQ(fx.CallsOf({"Shell_NotifyIconA"}).back(),
              "Shell_NotifyIconA 0 1003 1 7 512 2003 [Left Mouse = Tra chu, Right Mouse = Phien am]");
    EXPECT_TRUE(fx.platform.HookInstalled());
    EXPECT_EQ(fx.platform.HookTarget(), 0u);
    EXPECT_TRUE(fx.platform.WindowVisible(WindowId::OrvikU));
    EXPECT_EQ(fx.platform.Location("OrvikU.WebBrowser1"), u"its:hvtdu.chm::/html\\khoidong.htm");
    EXPECT_EQ(fx.platform.FocusedControl(), "OrvikU.Text1");
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_TRUE(fx.platform.Messages().empty());
}

struct StartedApp : FixtureApp {
    StartedApp() {
        Main(app);
        platform.SetFile(testing::kPageFile, "page");
    }
    // Everything the orderly end releases, released, and the settings saved.
    void ExpectEnded() {
        EXPECT_TRUE(platform.TrayIcons().empty());
        EXPECT_FALSE(platform.HookInstalled());
        EXPECT_FALSE(platform.WindowVisible(WindowId::WPopup));
        EXPECT_FALSE(platform.FileExists(testing::kPageFile));
        EXPECT_FALSE(platform.TimerRunning("PageFile"));
        EXPECT_EQ(platform.SettingsSaved(), 8);
        EXPECT_GE(platform.QuitRequests(), 1);
    }
};

// The closing question, asked by the window's close box and the tool bars'
// Quit; Cancel changes nothing. The browser tool bar's Quit unloads the
// main window, which is not the orderly end and saves nothing.
TEST(End, TheClosingQuestionEndsOnOkOnly) {
    for (const std::int32_t answer : {kIdCancel, kIdOk}) {
        for (int way = 0; way < 3; ++way) {
            StartedApp fx;
            fx.platform.AnswerMessageBox(answer);
            bool cancel = false;
            if (way == 0) fx.main().Form_QueryUnload(cancel, true);
            if (way == 1) fx.main().tbToolbar_ButtonClick(u"Quit");
            if (way == 2) fx.main().Toolbar1_ButtonClick(u"Quit");
            EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"Muốn đóng chương trình Việt-Orvik-2004 ?"});
            if (answer == kIdOk && way == 2) {
                EXPECT_FALSE(fx.platform.HookInstalled());
                EXPECT_EQ(fx.platform.SettingsSaved(), 0);
                EXPECT_EQ(fx.platform.QuitRequests(), 1);
            } else if (answer == kIdOk) {
                fx.ExpectEnded();
            } else {
                EXPECT_EQ(cancel, way == 0);
                EXPECT_EQ(fx.platform.TrayIcons().size(), 2u);
                EXPECT_EQ(fx.platform.SettingsSaved(), 0);
                EXPECT_EQ(fx.platform.QuitRequests(), 0);
            }
        }
    }
}

TEST(End, TheMenuEndsWithoutAskingSavesOnceAndUnloadsTheCandidateWindow) {
    StartedApp fx;
    fx.platform.SetForeground(500, 501);
    fx.main().IMEstate_Click(menu_number::kIMEstate);
    fx.main().CangJie_Click(menu_number::kCangJie);
    fx.app.output().System98 = false;
    fx.main().Close_Click(menu_number::kClose);
    fx.main().Close_Click(menu_number::kClose);  // a second end, by a signal, finds nothing to do
    fx.ExpectEnded();
    EXPECT_TRUE(fx.platform.Messages().empty());
    EXPECT_EQ(fx.platform.Setting(u"Present IME"), u"S-CangJie Nom");
    EXPECT_EQ(fx.platform.Setting(u"System 98"), u"False");
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::HVTNP));
}

TEST(End, TheDialogRefusesEveryUnloadAndTheCloseBoxOnlyHidesIt) {
    StartedApp fx;
    for (const bool fromUser : {false, true}) {
        fx.app.ConfigDialog().Show();
        bool cancel = false;
        fx.app.ConfigDialog().Form_QueryUnload(cancel, fromUser);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(fx.platform.WindowVisible(WindowId::CauHinh), !fromUser);
    }
}

TEST(Tray, ThePressesOfTheTwoIconsDoTheirJobs) {
    StartedApp fx;
    fx.platform.SetForeground(500, 501);
    fx.platform.SelectInForeground(u"{\\rtf1 \\u19968?}");  // reaches the clipboard at the copy's wait
    fx.platform.PressTrayIcon(kMain, 1, kWmLButtonDown);
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    fx.platform.PressTrayIcon(kMain, 1, kWmRButtonDown);
    EXPECT_EQ(fx.platform.PopupMenusShown(), 1);
    fx.platform.PressTrayIcon(kPopup, 1, kWmRButtonDown);
    EXPECT_EQ(fx.platform.CopiesReceived(), 1);
    EXPECT_TRUE(fx.platform.HeldKeys().empty());
    EXPECT_TRUE(fx.app.PopupVisible());
    EXPECT_EQ(fx.app.Popup().Text1.Text, u"nhất");  // the transcription, and no look-up
    EXPECT_EQ(fx.platform.Location("WPopup.WebBrowser1"), u"about:blank");
    fx.platform.PressTrayIcon(kPopup, 1, kWmLButtonDown);  // the look-up
    EXPECT_EQ(fx.platform.Location("WPopup.WebBrowser1"), u"its:hvtdu.chm::/html\\hv19968.htm");
}

}  // namespace
}  // namespace orvik
