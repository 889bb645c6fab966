// The per-user settings store on QSettings: one INI file per application,
// "<appName>.ini" in a folder of the user's configuration directory, with a
// group per section. Keys and values are kept as given ("Present IME" =
// "Telex->Han"); QSettings escapes what INI syntax would misread. Saves are
// kept until Flush, which writes each changed file once, whole, by
// replacing it: the seven settings the program saves together land in one
// write, and a program killed meanwhile leaves the file as it was, never
// half of them. The store flushes when it ends.
//
// A file that cannot be taken as settings (not a file, unreadable, not
// UTF-8 text, or malformed for QSettings) reads as the defaults, and the log
// says so once. Reading never writes. The first save then moves the damaged
// file aside to "<file>.damaged" (or "-2", "-3"... after it, so an earlier
// one stays), says so, and starts a new file: whatever the user had stays on
// the disk.
//
// QSettings keeps each parsed file for the whole process and reports a
// malformed file only to the first reader of the unchanged file; a store
// remembers what it found, and the program has one store.
#pragma once

#include <QSettings>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace orvik {

class SettingsStore {
public:
    using Log = std::function<void(std::string_view)>;
    SettingsStore(QString folder, Log log);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // The program's folder in the user's configuration directory:
    // "$XDG_CONFIG_HOME/orvik2004", else "~/.config/orvik2004".
    static QString UserFolder();

    // The file of an application's settings.
    QString FilePath(std::u16string_view appName) const;

    std::u16string Get(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                       std::u16string_view defaultValue);
    void Save(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
              std::u16string_view value);
    void Flush();

private:
    struct File {
        QString path;
        std::unique_ptr<QSettings> settings;  // none while the file on disk is damaged
        bool failureSaid = false;  // that saving fails: said once
        bool changed = false;      // saved since the last flush
    };
    File& Open(std::u16string_view appName);
    // Moves the damaged file out of the way of a new one; false when it stays.
    bool SetAside(File& file);
    void SayOnce(File& file, const std::string& line);

    QString folder_;
    Log log_;
    std::map<std::u16string, File, std::less<>> files_;
};

}  // namespace orvik
