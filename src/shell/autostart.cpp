#include "shell/autostart.h"

#include "platform/dialogs.h"
#include "platform/user_settings.h"

namespace orvik {

namespace {

constexpr std::u16string_view kCannotWrite =
    u"Không ghi được mục tự khởi động (autostart) của desktop, nên chương trình sẽ không tự chạy khi vào desktop.";
constexpr std::u16string_view kCannotRemove =
    u"Không xóa được mục tự khởi động (autostart) của desktop, nên chương trình vẫn tự chạy khi vào desktop.";

}  // namespace

bool ApplyStartWithDesktop(UserSettings& settings, Dialogs& dialogs, bool on) {
    if (settings.SetAutostartEntry(on)) return true;
    dialogs.MessageBox(on ? kCannotWrite : kCannotRemove, kMessageCaption);
    return false;
}

}  // namespace orvik
