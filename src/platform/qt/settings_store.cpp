#include "platform/qt/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include "platform/disk_files.h"

namespace orvik {

namespace {

constexpr int kMostDamagedCopies = 100;
// The program keeps seven short settings; a file far past them is no file of
// the program's (9.4 MB of valid INI, 330,000 keys, made each save take
// seconds and the orderly end 47 s).
constexpr qint64 kMostSettingsBytes = 64 * 1024;

QString Text(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

std::string Utf8(const QString& text) { return text.toStdString(); }

// Why the file on disk cannot be taken as settings; empty when it can, also
// when there is none. QSettings reads bytes that are not UTF-8 as
// replacement characters and would write those back, so such a file counts
// as damaged here.
QString DamageOnDisk(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    if (!info.isFile()) return QStringLiteral("it is not a file");
    if (info.size() > kMostSettingsBytes) return QStringLiteral("it is larger than 64 KiB");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("it cannot be read: ") + file.errorString();
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0')) return QStringLiteral("it is not UTF-8 text");
    return {};
}

QString DamageOf(QSettings::Status status) {
    switch (status) {
        case QSettings::NoError: return {};
        case QSettings::AccessError: return QStringLiteral("it cannot be read");
        case QSettings::FormatError: return QStringLiteral("it is not in the INI format");
    }
    return QStringLiteral("it cannot be read");
}

// Unquoted commas in a value written by hand make QSettings read a list;
// its items were separated by ", " most likely.
std::u16string ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ").toStdU16String();
    return value.toString().toStdU16String();
}

// A name of the file system cannot hold "/" or NUL.
QString FileNameOf(std::u16string_view appName) {
    QString name = Text(appName);
    name.replace('/', '_').replace(QChar(0), '_');
    return name;
}

}  // namespace

SettingsStore::SettingsStore(QString folder, Log log) : folder_(std::move(folder)), log_(std::move(log)) {}

SettingsStore::~SettingsStore() { Flush(); }

QString SettingsStore::UserFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/orvik2004");
}

QString SettingsStore::FilePath(std::u16string_view appName) const {
    return folder_ + '/' + FileNameOf(appName) + QStringLiteral(".ini");
}

SettingsStore::File& SettingsStore::Open(std::u16string_view appName) {
    const auto found = files_.find(appName);
    if (found != files_.end()) return found->second;
    File file;
    file.path = FilePath(appName);
    QString damage = DamageOnDisk(file.path);
    if (damage.isEmpty()) {
        file.settings = std::make_unique<QSettings>(file.path, QSettings::IniFormat);
        damage = DamageOf(file.settings->status());
    }
    if (!damage.isEmpty()) {
        file.settings.reset();
        log_("the settings file " + Utf8(file.path) + " cannot be used (" + Utf8(damage) +
             "); the settings read as their defaults");
    }
    return files_.emplace(std::u16string(appName), std::move(file)).first->second;
}

std::u16string SettingsStore::Get(std::u16string_view appName, std::u16string_view section,
                                  std::u16string_view key, std::u16string_view defaultValue) {
    File& file = Open(appName);
    if (!file.settings || key.empty()) return std::u16string(defaultValue);
    file.settings->beginGroup(Text(section));
    const QVariant value = file.settings->value(Text(key));
    file.settings->endGroup();
    // "@Invalid()" written by hand reads as no value at all.
    return value.isValid() ? ValueText(value) : std::u16string(defaultValue);
}

void SettingsStore::Save(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                         std::u16string_view value) {
    File& file = Open(appName);
    if (key.empty()) return;
    if (!file.settings) {
        if (!SetAside(file)) return;
        file.settings = std::make_unique<QSettings>(file.path, QSettings::IniFormat);
    }
    file.settings->beginGroup(Text(section));
    file.settings->setValue(Text(key), Text(value));
    file.settings->endGroup();
    file.changed = true;
}

// QSettings writes an INI file through QSaveFile: a new file renamed over
// the old one.
void SettingsStore::Flush() {
    for (auto& [app, file] : files_) {
        if (!file.changed || !file.settings) continue;
        file.changed = false;
        file.settings->sync();
        if (file.settings->status() != QSettings::NoError)
            SayOnce(file, "the settings cannot be written to " + Utf8(file.path) +
                              "; they last only until the program ends");
    }
}

void SettingsStore::SayOnce(File& file, const std::string& line) {
    if (file.failureSaid) return;
    file.failureSaid = true;
    log_(line);
}

bool SettingsStore::SetAside(File& file) {
    const QString& path = file.path;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return true;  // gone meanwhile: nothing to keep
    for (int n = 1; n <= kMostDamagedCopies; ++n) {
        const QString copy = path + QStringLiteral(".damaged") + (n == 1 ? QString() : '-' + QString::number(n));
        if (RenameDiskFile(Utf8(path), Utf8(copy))) {
            log_("the damaged settings file is kept as " + Utf8(copy) + "; a new " + Utf8(path) +
                 " holds the settings saved from now on");
            return true;
        }
        if (QFileInfo(copy).exists() || QFileInfo(copy).isSymLink()) continue;
        break;  // the rename failed for another reason than a taken name
    }
    SayOnce(file, "the damaged settings file " + Utf8(path) +
                      " cannot be moved aside, so it is left as it is and the settings are not saved");
    return false;
}

}  // namespace orvik
