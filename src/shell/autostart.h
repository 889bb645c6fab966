// "Start with the desktop": whether the user's desktop session starts the
// program, quietly into the notification area. The choice is a setting of
// its own beside the configuration dialog's seven (read at start-up and
// written at the orderly end with them); the desktop's autostart entry
// carries it out and changes when the user applies another choice.
#pragma once

#include <string_view>

namespace orvik {

class Dialogs;
class UserSettings;

inline constexpr std::u16string_view kStartWithDesktopKey = u"Start With Desktop";
inline constexpr std::u16string_view kStartWithDesktopDefault = u"False";

// Writes the autostart entry when `on`, removes it otherwise. When the
// desktop refuses, the user is told (the reason is on the log) and false
// is answered: the choice in force stays.
bool ApplyStartWithDesktop(UserSettings& settings, Dialogs& dialogs, bool on);

}  // namespace orvik
