#include "platform/platform.h"

namespace orvik {

NotifyIconData WindowTrayIconRecord(Platform& platform, WindowId window, std::u16string_view tip) {
    constexpr std::uint32_t kTrayIconId = 1;
    return MakeTrayIconData(platform.HandleOf(window), kTrayIconId, kNifMessage | kNifIcon | kNifTip, kWmMouseMove,
                            platform.IconOf(window), tip);
}

}  // namespace orvik
