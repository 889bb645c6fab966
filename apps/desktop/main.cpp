// orvik2004: the desktop program. It starts as one instance per user with
// the settings of its last orderly end: the main window shown with the start
// page, the two tray icons, the keyboard hook installed and the input method
// off until the user switches it on (started with --tray, as the desktop
// session starts it, the main window is minimized at once). It ends through
// the menu's "close", the main window's close box (after asking), or SIGTERM.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <langinfo.h>
#include <string>
#include <string_view>
#include <utility>

#include "options.h"
#include "platform/qt/qt_platform.h"
#include "quit_on_signal.h"
#include "start_folder.h"
#include "shell/application.h"
#include "shell/main_procedure.h"
#include "views/about_view.h"
#include "views/candidate_window_view.h"
#include "views/config_dialog_view.h"
#include "views/main_window_view.h"
#include "views/popup_view.h"

namespace {

// The ideograph font of the pages, which no Linux desktop has, is drawn with
// installed fonts that cover the supplementary planes.
void SubstituteIdeographFont() { QFont::insertSubstitutions("Chu Nom Minh U", {"HanaMinA", "HanaMinB"}); }

constexpr int kPopupGap = 8;  // pixels

// Started with no locale (the POSIX one of a fresh system or a bare service),
// Xlib would write the windows' Vietnamese titles into the old window name as
// raw bytes labelled Latin-1, and tools that read that name (window lists,
// xdotool) would not find them. The program's text is always UTF-8, so it
// takes C.UTF-8's character set, which every Debian has, before Qt and Xlib
// read the locale.
void UseUtf8Characters() {
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
    setenv("LC_CTYPE", "C.UTF-8", 1);
    unsetenv("LC_ALL");
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

}  // namespace

int main(int argc, char** argv) {
    UseUtf8Characters();
    QApplication qtApp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The installed desktop entry and icon: Wayland compositors match the
    // windows to the entry by this name, and window lists show the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("orvik2004"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvik2004")));
    const auto options = orvik::desktop::ParseOptions(QApplication::arguments());
    if (!options) {
        std::cerr << "usage: orvik2004 [--data DIR] [--ime-on] [--tray]\n";
        return 2;
    }
    orvik::InstanceLock instance([](std::string_view line) { std::cerr << "orvik2004: " << line << "\n"; });
    const auto start = orvik::desktop::PrepareStartFolder(
        instance, options->dataDirectory,
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString());
    const auto& working = start.working;
    // A second start goes on only to say, as the program does, that one runs.
    if (!start.otherInstanceRuns &&
        (working.path.empty() || !QDir::setCurrent(QString::fromStdString(working.path)))) {
        // A user who started the program from the desktop sees no terminal.
        const std::string problem =
            working.path.empty() ? working.problem : "cannot work in the directory " + working.path;
        std::cerr << "orvik2004: " << problem << "\n";
        QMessageBox::critical(nullptr, QString::fromUtf8("Việt Orvik thông báo"), QString::fromStdString(problem));
        return 1;
    }
    SubstituteIdeographFont();

    orvik::QtPlatform platform(QDir::currentPath().toStdString(), std::move(instance));
    platform.SetAutostartCommand(
        orvik::desktop::AutostartCommand(*options, QCoreApplication::applicationFilePath().toStdString()));
    orvik::Application app(platform);
    orvik::MainWindowView mainWindow(app, platform);
    orvik::CandidateWindowView candidateWindow(app, platform);
    orvik::PopupView popup(app, platform);
    orvik::AboutView about(app, platform);
    orvik::ConfigDialogView configDialog(app, platform);
    if (!orvik::Main(app)) return 1;
    orvik::OrvikU& main = app.MainWindow();
    orvik::desktop::EndOnSignals([&main] { main.Close_Click(orvik::menu_number::kClose); });
    // The view tells the main window's model that it is minimized.
    if (options->tray) platform.MinimizeWindow(orvik::WindowId::OrvikU);
    if (options->imeOn && !main.Menunoi.IMEstate.Checked) main.IMEstate_Click(orvik::menu_number::kIMEstate);
    platform.RedrawAll();
    // The popup opens below the candidate window rather than over it.
    popup.move(candidateWindow.frameGeometry().bottomLeft() + QPoint(0, kPopupGap));
    return QApplication::exec();
}
