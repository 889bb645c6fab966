// orvik2004: the desktop program. For now it opens the candidate window in
// the Telex->Han mode with the input method on, ready for typing, and ends
// when that window is closed.
#include <QApplication>
#include <QDir>
#include <iostream>
#include <string>

#include "data_directory.h"
#include "platform/qt/candidate_window_view.h"
#include "platform/qt/main_menu.h"
#include "platform/qt/popup_view.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"

namespace {

// The ideograph font of the pages, which no Linux desktop has, is drawn with
// installed fonts that cover the supplementary planes.
void SubstituteIdeographFont() { QFont::insertSubstitutions("Chu Nom Minh U", {"HanaMinA", "HanaMinB"}); }

constexpr int kPopupGap = 8;  // pixels

}  // namespace

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const auto dataDirectory = orvik::desktop::DataDirectory(QApplication::arguments());
    if (!dataDirectory) {
        std::cerr << "usage: orvik2004 [--data DIR]\n";
        return 2;
    }
    if (!QDir::setCurrent(QString::fromStdString(*dataDirectory))) {
        std::cerr << "orvik2004: cannot use the data directory " << *dataDirectory << "\n";
        return 1;
    }
    SubstituteIdeographFont();

    orvik::QtPlatform platform(QDir::currentPath().toStdString());
    orvik::Application app(platform);
    orvik::CandidateWindowView candidateWindow(app, platform);
    orvik::PopupView popup(app, platform);
    platform.SetPopupMenu(orvik::WindowId::OrvikU, [&] { orvik::ShowMainMenu(app, platform); });
    platform.SetUnloadHandler([](orvik::WindowId window) {
        if (window == orvik::WindowId::HVTNP) QApplication::quit();
    });

    orvik::OrvikU& main = app.MainWindow();
    // Start-up with the saved settings comes later; until then the program
    // starts as the default settings would: Unicode output, Telex->Han.
    main.Menunoi.Unicode.Checked = true;
    main.TelexH_Click(30);
    main.IMEstate_Click(10);
    platform.RedrawAll();
    // The popup opens below the candidate window rather than over it.
    popup.move(candidateWindow.frameGeometry().bottomLeft() + QPoint(0, kPopupGap));
    return QApplication::exec();
}
