#include "shell/main_procedure.h"

#include "shell/application.h"

namespace orvik {

namespace {

constexpr std::u16string_view kAlreadyRunning = u"VietOrvikU2004 dang chay !";
constexpr std::u16string_view kAlreadyRunningCaption = u"VietOrvikU2004 Thong bao";

}  // namespace

bool Main(Application& app) {
    Platform& platform = app.platform();
    if (platform.PrevInstance()) {
        platform.MsgBox(kAlreadyRunning, kMbExclamation, kAlreadyRunningCaption);
        platform.Quit();
        return false;
    }
    app.LoadConfigDialog();
    app.Popup();
    app.MainWindow();
    return true;
}

}  // namespace orvik
