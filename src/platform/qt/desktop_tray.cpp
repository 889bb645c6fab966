#include "platform/qt/desktop_tray.h"

#include "platform/qt/window_icons.h"

namespace orvik {

std::int32_t DesktopTray::Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) {
    const TrayIconFields record = ReadTrayIconData(data);
    if (message == kNimAdd) return tray_.Add(record) ? 1 : 0;
    if (message == kNimDelete) return tray_.Delete(record.hWnd, record.uID) ? 1 : 0;
    return 0;
}

IconHandle DesktopTray::IconOf(WindowId window) { return WindowIconHandle(window); }

}  // namespace orvik
