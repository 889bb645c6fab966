#include "platform/qt/desktop_programs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "platform/qt/page_view.h"

namespace orvik {

namespace {

constexpr int kHelpWidth = 800;  // pixels
constexpr int kHelpHeight = 600;
// A compiled help file opens on its first page.
constexpr const char* kHelpStartPage = "::/index.htm";

// Starts the first of the programs that PATH has.
bool StartFirstFound(const QStringList& programs, const QStringList& arguments) {
    for (const QString& program : programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return QProcess::startDetached(path, arguments);
    }
    return false;
}

QStringList NamesOnThisDesktop(const QString& program) {
    QString bare = program;
    if (bare.endsWith(".exe", Qt::CaseInsensitive)) bare.chop(4);
    return {program, bare, bare.toLower()};
}

}  // namespace

DesktopPrograms::DesktopPrograms(std::string dataDirectory, InstanceLock instance, Log log)
    : dataDirectory_(std::move(dataDirectory)), instance_(std::move(instance)), log_(std::move(log)) {}

DesktopPrograms::~DesktopPrograms() = default;

bool DesktopPrograms::PrevInstance() {
    if (!instance_.OtherInstanceRuns()) return false;
    secondStart_ = true;
    log_("another orvik2004 already runs for this user; this start ends");
    return true;
}

bool DesktopPrograms::StartProgram(std::u16string_view commandLine) {
    const QStringList words = QString::fromStdU16String(std::u16string(commandLine)).split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return false;
    const QString& program = words.first();
    const QStringList arguments = words.mid(1);
    if (program.compare("hh.exe", Qt::CaseInsensitive) == 0) return ShowHelpFile(arguments.value(0));
    if (program.compare("Charmap.exe", Qt::CaseInsensitive) == 0)
        return StartFirstFound({"gucharmap", "kcharselect"}, arguments);
    return StartFirstFound(NamesOnThisDesktop(program), arguments);
}

// The help file is found as the page views find compiled help files: in the
// data directory unless its path is absolute.
bool DesktopPrograms::ShowHelpFile(const QString& file) {
    if (file.isEmpty() || !QDir(QString::fromStdString(dataDirectory_)).exists(file)) return false;
    if (!helpView_) {
        helpView_ = std::make_unique<PageView>([this] { return dataDirectory_; },
                                               [this](const QUrl& url) { OpenWithDesktop(url); });
        helpView_->setWindowTitle(QStringLiteral("Việt Orvik 2004 - Trợ giúp"));
        helpView_->resize(kHelpWidth, kHelpHeight);
    }
    helpView_->Open("its:" + file + kHelpStartPage);
    helpView_->show();
    helpView_->raise();
    helpView_->activateWindow();
    return true;
}

void DesktopPrograms::OpenWithDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

// quit() would first ask every window to close, which the main window
// answers with the closing question; the orderly end has already run.
void DesktopPrograms::Quit() { QCoreApplication::exit(0); }

}  // namespace orvik
