// Keys and text to the application the user types in: the one in the
// foreground, which is never one of the program's own windows.
#pragma once

#include <cstdint>

#include "formats/notify_icon_data.h"

namespace orvik {

class ApplicationKeys {
public:
    virtual ~ApplicationKeys() = default;

    // Synthesized keys reach the application without coming back to this
    // program as new input.
    virtual void keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) = 0;
    virtual std::int32_t PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                      std::int32_t lParam) = 0;
    // Whether the application in the foreground pastes on Ctrl+V; terminals
    // take it as a control character.
    virtual bool ForegroundPastesWithCtrlV() = 0;
    // The key being handled is the application's after all: it reaches the
    // application as it was typed, after what was sent before it. Nothing
    // when the key did not come from another application.
    virtual void PassKeyOn() = 0;
    // Whether the candidate window holds a typed word: the keys that end a
    // word (Enter, Tab, a symbol) are then its, to send the word first.
    virtual void WordPending(bool pending) = 0;
    // Windows of other applications and of this program; 0 is no window.
    virtual WindowHandle GetForegroundWindow() = 0;
    // Whether a window is one of this program's own, which are never sent to.
    virtual bool IsOwnWindow(WindowHandle window) = 0;
    // The control of the foreground window that has the keyboard focus.
    virtual WindowHandle GetFocus() = 0;
};

// Ctrl+C to the application in the foreground, as four key events: Ctrl
// down, C down, C up, Ctrl up.
void SendCopyKeys(ApplicationKeys& keys);

}  // namespace orvik
