// Keys typed into the main window's typing box as its key handlers take
// them: virtual-key codes with the shift-state bits 1 Shift, 2 Ctrl, 4 Alt,
// letters as their capitals' codes 65-90 whatever the Shift state (Ctrl,
// not Shift, makes capitals there).
#pragma once

#include <optional>

#include "platform/qt/hook_keys.h"

class QKeyEvent;

namespace orvik {

// Nothing for keys without a virtual-key code.
std::optional<HookKey> TypingBoxKeyOf(const QKeyEvent& event);

// Keys the box keeps for itself, which the key handlers never see: moving
// the caret (the handlers put it at the end with End after each write) and
// leaving the box with Tab.
bool BoxOwnKey(const QKeyEvent& event);

}  // namespace orvik
