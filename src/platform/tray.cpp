#include "platform/tray.h"

#include "codes/desktop_codes.h"

namespace orvik {

NotifyIconData WindowTrayIconRecord(OwnWindows& windows, Tray& tray, WindowId window, std::u16string_view tip) {
    constexpr std::uint32_t kTrayIconId = 1;
    return MakeTrayIconData(windows.HandleOf(window), kTrayIconId, kNifMessage | kNifIcon | kNifTip, kWmMouseMove,
                            tray.IconOf(window), tip);
}

}  // namespace orvik
