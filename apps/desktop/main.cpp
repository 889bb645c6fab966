// orvik2004: the desktop program. It opens the candidate window in the
// Telex->Han mode with the input method on, ready for typing; the keyboard
// hook brings it the keys typed in other applications.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <iostream>
#include <string>

#include "options.h"
#include "views/candidate_window_view.h"
#include "views/main_menu.h"
#include "views/popup_view.h"
#include "platform/qt/qt_platform.h"
#include "quit_on_signal.h"
#include "shell/application.h"
#include "single_instance.h"

namespace {

// The ideograph font of the pages, which no Linux desktop has, is drawn with
// installed fonts that cover the supplementary planes.
void SubstituteIdeographFont() { QFont::insertSubstitutions("Chu Nom Minh U", {"HanaMinA", "HanaMinB"}); }

constexpr int kPopupGap = 8;  // pixels

void RefuseSecondInstance() {
    std::cerr << "orvik2004: another orvik2004 of this user is running\n";
    QMessageBox box(QMessageBox::Warning, "VietOrvikU2004 Thong bao", "VietOrvikU2004 dang chay !", QMessageBox::Ok);
    box.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const auto options = orvik::desktop::ParseOptions(QApplication::arguments());
    if (!options) {
        std::cerr << "usage: orvik2004 [--data DIR] [--ime-on]\n";
        return 2;
    }
    const auto instanceLock = orvik::desktop::TakeInstanceLock();
    if (!instanceLock) {
        RefuseSecondInstance();
        return 1;
    }
    if (!QDir::setCurrent(QString::fromStdString(options->dataDirectory))) {
        std::cerr << "orvik2004: cannot use the data directory " << options->dataDirectory << "\n";
        return 1;
    }
    SubstituteIdeographFont();
    orvik::desktop::QuitOnSignals();

    orvik::QtPlatform platform(QDir::currentPath().toStdString());
    orvik::Application app(platform);
    orvik::CandidateWindowView candidateWindow(app, platform);
    orvik::PopupView popup(app, platform);
    platform.SetPopupMenu(orvik::WindowId::OrvikU, [&] { orvik::ShowMainMenu(app, platform); });
    // Without the hook nothing could switch the input method on again.
    platform.SetUnloadHandler([&platform](orvik::WindowId window) {
        if (window == orvik::WindowId::HVTNP && !platform.HookConnected()) QApplication::quit();
    });

    orvik::OrvikU& main = app.MainWindow();
    // Start-up with the saved settings comes later; until then the program
    // starts as the default settings would: Unicode output, Telex->Han, and
    // the input method on.
    main.Menunoi.Unicode.Checked = true;
    main.TelexH_Click(orvik::menu_number::kTelexH);
    main.IMEstate_Click(orvik::menu_number::kIMEstate);
    if (options->imeOn && !main.Menunoi.IMEstate.Checked) main.IMEstate_Click(orvik::menu_number::kIMEstate);
    platform.RedrawAll();
    // The popup opens below the candidate window rather than over it.
    popup.move(candidateWindow.frameGeometry().bottomLeft() + QPoint(0, kPopupGap));
    const int status = QApplication::exec();
    app.UnloadMainWindow();
    return status;
}
