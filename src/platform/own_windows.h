// The program's own windows, as the desktop shows them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "formats/notify_icon_data.h"

namespace orvik {

// The program's own windows, as the platform draws them.
enum class WindowId { OrvikU, HVTNP, WPopup, CauHinh, QXAbout };

class OwnWindows {
public:
    virtual ~OwnWindows() = default;

    virtual WindowHandle HandleOf(WindowId window) = 0;
    virtual void ShowWindow(WindowId window) = 0;
    virtual void HideWindow(WindowId window) = 0;
    virtual bool WindowVisible(WindowId window) = 0;
    virtual void MinimizeWindow(WindowId window) = 0;
    virtual void MaximizeWindow(WindowId window) = 0;
    // Gives a window the normal state: neither minimized nor maximized.
    virtual void RestoreWindow(WindowId window) = 0;
    virtual void SetTopmost(WindowId window) = 0;  // SetWindowPos HWND_TOPMOST, neither moved nor sized
    // The window's outer height, in twips; the screen still holds it all.
    virtual void SetWindowHeight(WindowId window, std::int32_t twips) = 0;
    virtual void DragWindow(WindowId window) = 0;  // ReleaseCapture, then drag by the caption
    virtual void UnloadWindow(WindowId window) = 0;
    // Draws a window from its model at once, so that a change shows before
    // a long call (playing a clip) holds the thread.
    virtual void RefreshWindow(WindowId window) = 0;
    // Gives the keyboard focus to a control, named "window.control".
    virtual void FocusControl(std::string_view control) = 0;
    // Shows the main window's menu as a pop-up menu at the mouse.
    virtual void ShowPopupMenu(WindowId owner) = 0;
    // Sends a key string to the program's own focused window and waits until
    // it is processed. A key is its character or "{NAME}" ("{END}"), after
    // any of "^" Ctrl, "+" Shift, "%" Alt: "^{END}" is Ctrl+End, "^c" Ctrl+C.
    virtual void SendKeys(std::u16string_view keys) = 0;
};

}  // namespace orvik
