// The program's icons in the desktop's notification area.
#pragma once

#include <cstdint>
#include <string_view>

#include "formats/notify_icon_data.h"
#include "platform/own_windows.h"

namespace orvik {

// Where the notifications of the tray icons go: a press of the left or the
// right button (kWmLButtonDown, kWmRButtonDown) on the icon that `window`
// added with `id`.
class TraySink {
public:
    virtual ~TraySink() = default;
    virtual void TrayNotification(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) = 0;
};

class Tray {
public:
    virtual ~Tray() = default;

    // Adds (kNimAdd) or deletes (kNimDelete) the tray icon the record names
    // by hWnd and uID; nonzero on success. The icons' presses reach the tray
    // sink.
    virtual std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) = 0;
    virtual void SetTraySink(TraySink* sink) = 0;
    // The icon of one of the program's own windows.
    virtual IconHandle IconOf(WindowId window) = 0;
};

// The record that adds or removes the tray icon of one of the program's
// windows: its number 1, its icon, the tip, and notifications as mouse
// moves of the window.
NotifyIconData WindowTrayIconRecord(OwnWindows& windows, Tray& tray, WindowId window, std::u16string_view tip);

}  // namespace orvik
