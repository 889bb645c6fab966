// The program's start and its three ends, through the recording platform:
// what a start that finds another instance leaves alone, the order of a
// normal start, the dictionaries' renames, the closing question, and the
// orderly end's releases in their order.
#include <gtest/gtest.h>

#include "ime/fixture_app.h"
#include "shell/main_procedure.h"

namespace orvik {
namespace {

using testing::FixtureApp;

constexpr WindowHandle kMain = 1001;
constexpr WindowHandle kPopup = 1003;
const std::string kMainTip = "[Left Mouse = Mo Thau nhap phap, Right Mouse = Mo menu chinh]";
const std::string kPopupTip = "[Left Mouse = Tra chu, Right Mouse = Phien am]";

// The calls that are no file reading, which a start does plenty of.
std::vector<std::string> CallsBesidesReading(const RecordingPlatform& platform) {
    std::vector<std::string> out;
    for (const auto& call : platform.Calls())
        if (call.rfind("ReadFile", 0) != 0) out.push_back(call);
    return out;
}

TEST(Start, AnotherInstanceRunningIsToldAndNothingElseIsTouched) {
    FixtureApp fx;
    fx.platform.SetOtherInstance(true);
    EXPECT_FALSE(Main(fx.app));
    const std::vector<std::string> calls{
        "PrevInstance", "MsgBox 48 [VietOrvikU2004 Thong bao] VietOrvikU2004 dang chay !", "Quit"};
    EXPECT_EQ(fx.platform.Calls(), calls);
}

// The dialog's load reads the settings; the first code action creates and
// loads the main window before it runs; then the popup and its icon.
TEST(Start, ANormalStartRunsInOrderWithTheInputMethodOff) {
    FixtureApp fx;
    ASSERT_TRUE(Main(fx.app));
    const std::string settings = "GetSetting VietOrvikU2004\\Settings\\";
    const std::vector<std::string> calls{
        "PrevInstance",
        settings + "Present IME",
        settings + "VN Code",
        settings + "Nom Font Name",
        settings + "Nom Font Size",
        settings + "VN Font Name",
        settings + "VN Font Size",
        settings + "System 98",
        settings + "Start With Desktop",
        "Shell_NotifyIconA 0 1001 1 7 512 2001 " + kMainTip,
        "NhanDien 0 1001",
        "InstallKeyHook",
        "RenameFile /current/hvtdu.dat /current/hvtdu.chm",
        "RenameFile /current/nomtdu.dat /current/nomtdu.chm",
        "RenameFile /current/tdviet.dat /current/tdviet.chm",
        "ShowWindow OrvikU",
        "Navigate OrvikU.WebBrowser1 its:hvtdu.chm::/html\\khoidong.htm",
        "DrawCandidatePage OrvikU.WebBrowser2",
        "NhanDien 0 1001",
        "FocusControl OrvikU.Text1",
        "Shell_NotifyIconA 0 1003 1 7 512 2003 " + kPopupTip,
        "SetWindowPos WPopup HWND_TOPMOST",
        "Navigate WPopup.WebBrowser1 about:blank",
    };
    EXPECT_EQ(CallsBesidesReading(fx.platform), calls);
    EXPECT_EQ(fx.module().AboutTicks, 1);
    EXPECT_TRUE(fx.main().Menunoi.Unicode.Checked);
    EXPECT_TRUE(fx.main().Menunoi.TelexH.Checked);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_FALSE(fx.app.CandidateWindowLoaded());
    const std::set<std::pair<WindowHandle, std::uint32_t>> icons{{kMain, 1}, {kPopup, 1}};
    EXPECT_EQ(fx.platform.TrayIcons(), icons);
}

TEST(Start, TheDictionariesTakeTheirChmNamesOnceAndAnExistingOneStays) {
    FixtureApp first;
    first.platform.SetFile("/current/hvtdu.dat", "new");
    first.platform.SetFile("/current/nomtdu.dat", "new");
    first.platform.SetFile("/current/nomtdu.chm", "old");
    ASSERT_TRUE(Main(first.app));
    EXPECT_EQ(first.platform.FileContent("/current/hvtdu.chm"), "new");
    EXPECT_FALSE(first.platform.FileExists("/current/hvtdu.dat"));
    EXPECT_EQ(first.platform.FileContent("/current/nomtdu.chm"), "old");
    EXPECT_TRUE(first.platform.FileExists("/current/nomtdu.dat"));
    EXPECT_FALSE(first.platform.FileExists("/current/tdviet.chm"));

    // A second start on the same folder finds nothing to rename.
    Application second(first.platform);
    ASSERT_TRUE(Main(second));
    EXPECT_EQ(first.platform.FileContent("/current/hvtdu.chm"), "new");
    EXPECT_FALSE(first.platform.FileExists("/current/hvtdu.dat"));
}

struct StartedApp : FixtureApp {
    StartedApp() {
        Main(app);
        platform.SetFile(testing::kPageFile, "page");
        platform.ClearCalls();
    }
};

TEST(End, CancelInTheClosingQuestionChangesNothing) {
    StartedApp fx;
    fx.platform.AnswerMessageBox(kIdCancel);
    bool cancel = false;
    fx.main().Form_QueryUnload(cancel, true);
    EXPECT_TRUE(cancel);
    const std::vector<std::string> asked{
        "MsgBox 1 [Việt Orvik 2004 on Browser] Muốn đóng chương trình Việt-Orvik-2004 ?"};
    EXPECT_EQ(fx.platform.Calls(), asked);
    EXPECT_EQ(fx.platform.TrayIcons().size(), 2u);
}

// Close_Click, then the unload it asks for (no question), then the unload
// step; the main icon's second removal finds it gone.
const std::vector<std::string> kOrderlyEnd{
    "Shell_NotifyIconA 2 1003 1 7 512 2003 []",
    "HideWindow WPopup",
    "SaveSetting VietOrvikU2004\\Settings\\Present IME = Telex->Han",
    "SaveSetting VietOrvikU2004\\Settings\\VN Code = Unicode",
    "SaveSetting VietOrvikU2004\\Settings\\Nom Font Name = Chu Nom Minh U",
    "SaveSetting VietOrvikU2004\\Settings\\Nom Font Size = 16",
    "SaveSetting VietOrvikU2004\\Settings\\VN Font Name = Arial",
    "SaveSetting VietOrvikU2004\\Settings\\VN Font Size = 12",
    "SaveSetting VietOrvikU2004\\Settings\\System 98 = True",
    "SaveSetting VietOrvikU2004\\Settings\\Start With Desktop = False",
    "StopTimer PageFile",
    "DeleteFile /current/temp.htm",
    "Shell_NotifyIconA 2 1001 1 7 512 2001 []",
    "RemoveKeyHook",
    "HideWindow WPopup",
    "RemoveFontResourceA vnsys.fon",
    "SendMessageA 65535 29 0 0",
    "Quit",
    "Quit",
};

TEST(End, OkInTheClosingQuestionRemovesTheMainIconThenEndsInOrder) {
    StartedApp fx;
    bool cancel = false;
    fx.main().Form_QueryUnload(cancel, true);
    std::vector<std::string> expected{
        "MsgBox 1 [Việt Orvik 2004 on Browser] Muốn đóng chương trình Việt-Orvik-2004 ?",
        "Shell_NotifyIconA 2 1001 1 7 512 2001 []"};
    expected.insert(expected.end(), kOrderlyEnd.begin(), kOrderlyEnd.end());
    EXPECT_EQ(fx.platform.Calls(), expected);
    EXPECT_TRUE(fx.platform.TrayIcons().empty());
    EXPECT_FALSE(fx.platform.FileExists(testing::kPageFile));
}

TEST(End, TheMenuEndsWithoutAskingSavesOnceAndUnloadsTheCandidateWindow) {
    StartedApp fx;
    fx.platform.SetForeground(500, 77, 501);
    fx.main().IMEstate_Click(menu_number::kIMEstate);
    fx.main().CangJie_Click(menu_number::kCangJie);
    fx.module().System98 = false;
    fx.platform.ClearCalls();
    fx.main().Close_Click(menu_number::kClose);
    fx.main().Close_Click(menu_number::kClose);  // a second end, by a signal, finds nothing to do
    const auto saved = fx.CallsOf({"SaveSetting", "MsgBox", "UnloadWindow", "NhanDien"});
    const std::vector<std::string> expected{
        "SaveSetting VietOrvikU2004\\Settings\\Present IME = S-CangJie Nom",
        "SaveSetting VietOrvikU2004\\Settings\\VN Code = Unicode",
        "SaveSetting VietOrvikU2004\\Settings\\Nom Font Name = Chu Nom Minh U",
        "SaveSetting VietOrvikU2004\\Settings\\Nom Font Size = 16",
        "SaveSetting VietOrvikU2004\\Settings\\VN Font Name = Arial",
        "SaveSetting VietOrvikU2004\\Settings\\VN Font Size = 12",
        "SaveSetting VietOrvikU2004\\Settings\\System 98 = False",
        "SaveSetting VietOrvikU2004\\Settings\\Start With Desktop = False",
        "NhanDien 0 1001",
        "UnloadWindow HVTNP",
    };
    EXPECT_EQ(saved, expected);
    EXPECT_FALSE(fx.main().Menunoi.IMEstate.Checked);
    EXPECT_TRUE(fx.platform.TrayIcons().empty());
}

TEST(End, TheToolBarsQuitAsksFirst) {
    for (const std::int32_t answer : {kIdCancel, kIdOk}) {
        StartedApp fx;
        fx.platform.AnswerMessageBox(answer);
        fx.main().tbToolbar_Quit();
        EXPECT_EQ(fx.CallsOf({"SaveSetting"}).size(), answer == kIdOk ? 8u : 0u);
        EXPECT_EQ(fx.platform.TrayIcons().empty(), answer == kIdOk);
    }
}

TEST(End, TheDialogRefusesEveryUnloadAndTheCloseBoxOnlyHidesIt) {
    StartedApp fx;
    struct Case {
        bool fromUser;
        std::vector<std::string> calls;
    };
    for (const auto& c : {Case{false, {}}, Case{true, {"HideWindow CauHinh"}}}) {
        fx.platform.ClearCalls();
        bool cancel = false;
        fx.app.ConfigDialog().Form_QueryUnload(cancel, c.fromUser);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(fx.platform.Calls(), c.calls);
    }
}

TEST(Tray, ThePressesOfTheTwoIconsDoTheirJobs) {
    StartedApp fx;
    fx.platform.SetForeground(500, 77, 501);
    fx.platform.PressTrayIcon(kMain, 1, kWmLButtonDown);
    EXPECT_TRUE(fx.main().Menunoi.IMEstate.Checked);
    fx.platform.PressTrayIcon(kMain, 1, kWmRButtonDown);
    EXPECT_EQ(fx.platform.Calls().back(), "ShowPopupMenu OrvikU");

    fx.platform.ClearCalls();
    fx.platform.PressTrayIcon(kPopup, 1, kWmRButtonDown);
    const std::vector<std::string> copied{"keybd_event 17 29 0", "keybd_event 67 23 0", "keybd_event 67 23 2",
                                          "keybd_event 17 29 2"};
    EXPECT_EQ(fx.CallsOf({"keybd_event"}), copied);
    EXPECT_TRUE(fx.app.Popup().Text1.Visible);  // the transcription is shown
    EXPECT_TRUE(fx.app.PopupVisible());
}

}  // namespace
}  // namespace orvik
