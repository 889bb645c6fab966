// The user's settings on this desktop: the settings store's INI files,
// written once each handler that saved settings has returned, and the
// autostart entry: "orvik2004.desktop" in the autostart folder under the
// user's configuration home ($XDG_CONFIG_HOME/autostart), which desktop
// sessions that follow the XDG autostart rules run when the user logs in.
#pragma once

#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/settings_store.h"
#include "platform/user_settings.h"

namespace orvik {

class StoredSettings : public virtual UserSettings {
public:
    using Log = std::function<void(std::string_view)>;
    explicit StoredSettings(Log log);

    std::u16string GetSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) override;
    void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    // Writes the entry starting the command SetAutostartCommand named, or
    // removes it; a missing entry counts as removed.
    bool SetAutostartEntry(bool present) override;
    // Writes what was saved now, rather than once the handler returned.
    void Flush() { settings_.Flush(); }
    // The program and arguments the autostart entry starts.
    void SetAutostartCommand(std::vector<std::string> command) { autostartCommand_ = std::move(command); }

private:
    Log log_;
    SettingsStore settings_;
    QTimer flush_;
    std::vector<std::string> autostartCommand_;
};

}  // namespace orvik
