// The user's settings: the per-user store of the program's values and the
// entry that starts it with the desktop.
#pragma once

#include <string>
#include <string_view>

namespace orvik {

class UserSettings {
public:
    virtual ~UserSettings() = default;

    // Text values by application, section and key; a key never written
    // reads as `defaultValue`.
    virtual std::u16string GetSetting(std::u16string_view appName, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view defaultValue) = 0;
    virtual void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) = 0;
    // The user's entry that starts this program with the desktop session,
    // quietly into the notification area (on this desktop, a file of the
    // XDG autostart folder): written when `present`, removed otherwise.
    // False when the desktop refuses; the reason goes to the log.
    virtual bool SetAutostartEntry(bool present) = 0;
};

}  // namespace orvik
