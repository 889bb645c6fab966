// The user's settings store of a test, in memory, and the desktop's
// autostart entry, which the test may have refused.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/user_settings.h"

namespace orvik {

class MemorySettings : public virtual UserSettings {
public:
    explicit MemorySettings(std::vector<std::string>& calls) : calls_(calls) {}

    std::u16string GetSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) override;
    void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    // Recorded as "SetAutostartEntry 1" (written) or "0" (removed).
    bool SetAutostartEntry(bool present) override;

    // A value in the settings store, and what it holds ("" when nothing),
    // under the one application and section the program uses.
    void SetSetting(std::u16string_view key, std::u16string value);
    std::u16string Setting(std::u16string_view key) const;
    int SettingsSaved() const { return settingsSaved_; }
    // The desktop refuses to write or remove the autostart entry from now on.
    void RefuseAutostart() { autostartRefused_ = true; }

private:
    std::vector<std::string>& calls_;
    // Keys with the application and section they were written under: one
    // written under any other is kept apart.
    std::map<std::u16string, std::u16string> settings_;
    int settingsSaved_ = 0;
    bool autostartRefused_ = false;
};

}  // namespace orvik
