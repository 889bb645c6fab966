// The main window's life, which is the program's: its creation installs the
// tray icon and the keyboard hook and brings the dictionaries in under their
// ".chm" names; its load shows it with the start page; the orderly end saves
// the settings and releases everything in order before the process ends.
#include <array>

#include "ime/page_file.h"
#include "shell/application.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::u16string_view kTrayTip = u"Left Mouse = Mo Thau nhap phap, Right Mouse = Mo menu chinh";
constexpr std::u16string_view kStartPage = u"its:hvtdu.chm::/html\\khoidong.htm";
constexpr std::u16string_view kCloseQuestion = u"Muốn đóng chương trình Việt-Orvik-2004 ?";
constexpr std::u16string_view kCloseCaption = u"Việt Orvik 2004 on Browser";

// The dictionaries are installed as ".dat" and read only as ".chm".
constexpr std::array<const char*, 3> kDictionaries{"hvtdu", "nomtdu", "tdviet"};

}  // namespace

void OrvikU::Form_Initialize() {
    Platform& platform = app_.platform();
    platform.Shell_NotifyIconA(kNimAdd, WindowTrayIconRecord(platform, platform, WindowId::OrvikU, kTrayTip));
    // The first NhanDien reaches the hook; installing it relies on that.
    platform.NhanDien(0, platform.HandleOf(WindowId::OrvikU));
    platform.InstallKeyHook();
    // A dictionary already renamed by an earlier start, or missing, stays
    // as it is.
    const std::string directory = platform.CurrentDirectory() + "/";
    for (const char* name : kDictionaries)
        platform.RenameFile(directory + name + ".dat", directory + name + ".chm");
}

void OrvikU::Form_Load() {
    Platform& platform = app_.platform();
    Text1.FontName = app_.output().VnFontName;
    platform.ShowWindow(WindowId::OrvikU);
    NavigateWebBrowser1(kStartPage);
    WebBrowser2.Address = u"about:blank";
    platform.DrawCandidatePage("OrvikU.WebBrowser2", u"");
    platform.NhanDien(0, platform.HandleOf(WindowId::OrvikU));
    platform.FocusControl("OrvikU.Text1");
}

bool OrvikU::AskToClose() {
    return app_.platform().MsgBox(kCloseQuestion, kMbOkCancel, kCloseCaption) == kIdOk;
}

// The user closing the window is asked first; the program's own unload is
// not.
void OrvikU::Form_QueryUnload(bool& cancel, bool fromUser) {
    if (fromUser && !AskToClose()) {
        cancel = true;
        return;
    }
    app_.platform().Shell_NotifyIconA(kNimDelete, WindowTrayIconRecord(app_.platform(), app_.platform(), WindowId::OrvikU, u""));
    if (fromUser) Close_Click(menu_number::kClose);
}

void OrvikU::tbToolbar_Quit() {
    if (AskToClose()) Close_Click(menu_number::kClose);
}

// The orderly end, run once: the only place the settings are written.
void OrvikU::Close_Click(std::int16_t) {
    if (closing_) return;
    closing_ = true;
    Platform& platform = app_.platform();
    platform.Shell_NotifyIconA(kNimDelete, WindowTrayIconRecord(platform, platform, WindowId::WPopup, u""));
    app_.UnloadPopup();
    app_.ConfigDialog().SaveCauhinh();
    app_.UnloadConfigDialog();
    // A page file still to be written would outlive the program.
    platform.StopTimer(kPageFileTimer);
    platform.DeleteFile(platform.CurrentDirectory() + "/" + std::string(kPageFileName));
    app_.UnloadMainWindow();
    platform.Quit();
}

void OrvikU::Form_Unload() {
    Platform& platform = app_.platform();
    platform.RemoveKeyHook();
    app_.UnloadPopup();
    app_.UnloadConfigDialog();
    app_.UnloadCandidateWindow();
    platform.Quit();
}

}  // namespace orvik
