#include "shell/autostart.h"

#include "platform/platform.h"

namespace orvik {

namespace {

constexpr std::u16string_view kCannotWrite =
    u"Không ghi được mục tự khởi động (autostart) của desktop, nên chương trình sẽ không tự chạy khi vào desktop.";
constexpr std::u16string_view kCannotRemove =
    u"Không xóa được mục tự khởi động (autostart) của desktop, nên chương trình vẫn tự chạy khi vào desktop.";

}  // namespace

bool ApplyStartWithDesktop(Platform& platform, bool on) {
    if (platform.SetAutostartEntry(on)) return true;
    platform.MessageBox(on ? kCannotWrite : kCannotRemove, kMessageCaption);
    return false;
}

}  // namespace orvik
