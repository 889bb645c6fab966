// Runs the program's orderly end on SIGTERM and SIGINT, so that a logout,
// `kill` or Ctrl+C in a terminal saves the settings and removes the keyboard
// hook and the tray icons as the menu's "close" does, without asking.
#pragma once

#include <functional>

namespace orvik::desktop {

void EndOnSignals(std::function<void()> orderlyEnd);

}  // namespace orvik::desktop
