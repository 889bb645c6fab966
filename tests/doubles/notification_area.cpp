#include "doubles/notification_area.h"

#include "codes/desktop_codes.h"
#include "engine/text.h"

namespace orvik {

std::int32_t NotificationArea::Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) {
    const TrayIconFields icon = ReadTrayIconData(data);
    const auto number = [](auto n) { return std::to_string(n); };
    calls_.push_back("Shell_NotifyIconA " + number(message) + " " + number(icon.hWnd) + " " + number(icon.uID) + " " +
                     number(icon.uFlags) + " " + number(icon.uCallbackMessage) + " " + number(icon.hIcon) + " [" +
                     U16ToUtf8(icon.tip) + "]");
    const std::pair key{icon.hWnd, icon.uID};
    if (message == kNimAdd) return icons_.insert(key).second ? 1 : 0;
    if (message == kNimDelete) return icons_.erase(key) != 0 ? 1 : 0;
    return 0;
}

void NotificationArea::PressTrayIcon(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) {
    if (sink_ != nullptr && icons_.count({window, id}) != 0) sink_->TrayNotification(window, id, mouseMessage);
}

}  // namespace orvik
