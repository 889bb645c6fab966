// The user's autostart entry: a desktop entry in the autostart folder of the
// configuration home, which desktop sessions that follow the XDG autostart
// rules run when the user logs in.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "formats/autostart_entry.h"
#include "platform/qt/qt_platform.h"

namespace orvik {

namespace {

QString AutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/orvik2004.desktop");
}

// Written whole or not at all: a session never reads half an entry.
QString WriteEntry(const QString& path, const std::string& text) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return QStringLiteral("cannot make its folder");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    file.write(text.data(), static_cast<qint64>(text.size()));
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace

bool QtPlatform::SetAutostartEntry(bool present) {
    const QString path = AutostartEntryPath();
    QString problem;
    if (!present) {
        // A link is removed itself, even one whose target is gone.
        const QFileInfo info(path);
        QFile entry(path);
        if ((!info.exists() && !info.isSymLink()) || entry.remove()) return true;
        problem = entry.errorString();
    } else if (const auto text = AutostartEntryText(autostartCommand_)) {
        problem = WriteEntry(path, *text);
        if (problem.isEmpty()) return true;
    } else {
        problem = QStringLiteral("the program's command line cannot be written in a desktop entry");
    }
    LogLine("the autostart entry " + path.toStdString() + " cannot be " + (present ? "written" : "removed") + ": " +
            problem.toStdString());
    return false;
}

}  // namespace orvik
