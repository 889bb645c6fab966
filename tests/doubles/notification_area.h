// The notification area of a test: keeps the tray icons added, by window
// and number, and plays a press on one to the program's tray sink.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/tray.h"

namespace orvik {

class NotificationArea : public virtual Tray {
public:
    explicit NotificationArea(std::vector<std::string>& calls) : calls_(calls) {}

    std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) override;
    void SetTraySink(TraySink* sink) override { sink_ = sink; }
    IconHandle IconOf(WindowId window) override { return 2001 + static_cast<IconHandle>(window); }

    std::set<std::pair<WindowHandle, std::uint32_t>> TrayIcons() const { return icons_; }
    // A press on a tray icon, as the notification area reports it.
    void PressTrayIcon(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage);

private:
    std::vector<std::string>& calls_;
    std::set<std::pair<WindowHandle, std::uint32_t>> icons_;
    TraySink* sink_ = nullptr;
};

}  // namespace orvik
