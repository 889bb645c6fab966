// orvik2004: the desktop program. It opens the main window with the start
// page, then switches the input method on in the Telex->Han mode, which
// minimizes the main window and opens the candidate window, ready for
// typing; the keyboard hook brings it the keys typed in other applications.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <iostream>
#include <string>
#include <string_view>

#include "options.h"
#include "platform/qt/qt_platform.h"
#include "quit_on_signal.h"
#include "shell/application.h"
#include "single_instance.h"
#include "views/about_view.h"
#include "views/candidate_window_view.h"
#include "views/main_window_view.h"
#include "views/popup_view.h"

namespace {

// The ideograph font of the pages, which no Linux desktop has, is drawn with
// installed fonts that cover the supplementary planes.
void SubstituteIdeographFont() { QFont::insertSubstitutions("Chu Nom Minh U", {"HanaMinA", "HanaMinB"}); }

constexpr int kPopupGap = 8;  // pixels
constexpr std::u16string_view kStartPage = u"its:hvtdu.chm::/html\\khoidong.htm";

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
    orvik::MainWindowView mainWindow(app, platform);
    orvik::CandidateWindowView candidateWindow(app, platform);
    orvik::PopupView popup(app, platform);
    orvik::AboutView about(app, platform);
    orvik::OrvikU& main = app.MainWindow();
    // Start-up with the saved settings comes later; until then the program
    // starts as the default settings would: Unicode output, Telex->Han, the
    // main window with its start page, and the input method on.
    main.Unicode_Click(orvik::menu_number::kUnicode);
    main.TelexH_Click(orvik::menu_number::kTelexH);
    mainWindow.show();
    main.NavigateWebBrowser1(kStartPage);
    main.IMEstate_Click(orvik::menu_number::kIMEstate);
    if (options->imeOn && !main.Menunoi.IMEstate.Checked) main.IMEstate_Click(orvik::menu_number::kIMEstate);
    platform.RedrawAll();
    // The popup opens below the candidate window rather than over it.
    popup.move(candidateWindow.frameGeometry().bottomLeft() + QPoint(0, kPopupGap));
    const int status = QApplication::exec();
    app.UnloadMainWindow();
    return status;
}
