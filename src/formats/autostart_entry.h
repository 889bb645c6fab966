// The desktop entry that starts the program with the user's desktop
// session (an XDG autostart entry), and the Exec line that names a command
// in it whatever characters its path holds.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvik {

// The Exec value that runs `command` (the program, then its arguments): an
// argument holding a character the desktop would read otherwise is quoted,
// "%" is doubled, and the whole is escaped as an entry's string value.
// Nothing for an empty command or an argument with a control character (a
// line break cannot be written in an entry).
std::optional<std::string> DesktopExecValue(const std::vector<std::string>& command);

// The whole entry for `command` (UTF-8), or nothing as above.
std::optional<std::string> AutostartEntryText(const std::vector<std::string>& command);

}  // namespace orvik
