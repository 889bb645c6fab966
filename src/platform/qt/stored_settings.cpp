#include "platform/qt/stored_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "formats/autostart_entry.h"

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

StoredSettings::StoredSettings(Log log) : log_(std::move(log)), settings_(SettingsStore::UserFolder(), log_) {
    flush_.setSingleShot(true);
    QObject::connect(&flush_, &QTimer::timeout, [this] { settings_.Flush(); });
}

std::u16string StoredSettings::GetSetting(std::u16string_view appName, std::u16string_view section,
                                          std::u16string_view key, std::u16string_view defaultValue) {
    return settings_.Get(appName, section, key, defaultValue);
}

// The settings saved by one handler go to the disk together, once it has
// returned.
void StoredSettings::SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                                 std::u16string_view value) {
    settings_.Save(appName, section, key, value);
    if (!flush_.isActive()) flush_.start(0);
}

bool StoredSettings::SetAutostartEntry(bool present) {
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
    log_("the autostart entry " + path.toStdString() + " cannot be " + (present ? "written" : "removed") + ": " +
            problem.toStdString());
    return false;
}

}  // namespace orvik
