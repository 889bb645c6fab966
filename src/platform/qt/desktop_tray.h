// The notification area of this desktop: the program's icon records shown
// as tray icons, and the icons of its windows.
#pragma once

#include <functional>
#include <string_view>

#include "platform/qt/tray_icons.h"
#include "platform/tray.h"

namespace orvik {

class DesktopTray : public virtual Tray {
public:
    explicit DesktopTray(TrayIcons::Log log) : tray_(std::move(log)) {}

    std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) override;
    void SetTraySink(TraySink* sink) override { tray_.SetSink(sink); }
    IconHandle IconOf(WindowId window) override;
    // The tray icon a window added with a number, so a test can press it.
    QSystemTrayIcon* TrayIcon(WindowHandle window, std::uint32_t id) const { return tray_.Find(window, id); }

private:
    TrayIcons tray_;
};

}  // namespace orvik
