#include "platform/qt/tray_icons.h"

#include "platform/qt/window_icons.h"

namespace orvik {

TrayIcons::TrayIcons(Log log) : log_(std::move(log)) {}

TrayIcons::~TrayIcons() = default;

bool TrayIcons::Add(const TrayIconFields& record) {
    const Key key{record.hWnd, record.uID};
    if (icons_.count(key) != 0) return false;
    if (!QSystemTrayIcon::isSystemTrayAvailable() && !noAreaSaid_) {
        noAreaSaid_ = true;
        log_("this desktop has no notification area, so the tray icons are not shown; the main window gives "
             "access to everything they do");
    }
    // An icon always has a picture: without kNifIcon, the plain one.
    auto icon = std::make_unique<QSystemTrayIcon>(WindowIconOf((record.uFlags & kNifIcon) != 0 ? record.hIcon : 0));
    // The tip is 8-bit text, one character per byte.
    if ((record.uFlags & kNifTip) != 0) icon->setToolTip(QString::fromStdU16String(record.tip));
    if ((record.uFlags & kNifMessage) != 0)
        QObject::connect(icon.get(), &QSystemTrayIcon::activated, icon.get(),
                         [this, key](QSystemTrayIcon::ActivationReason reason) { Activated(key, reason); });
    icon->show();
    icons_.emplace(key, std::move(icon));
    return true;
}

// The program may delete an icon while it handles that icon's press, which
// Qt is still delivering: such an icon goes once the press is done.
bool TrayIcons::Delete(WindowHandle window, std::uint32_t id) {
    const auto found = icons_.find({window, id});
    if (found == icons_.end()) return false;
    std::unique_ptr<QSystemTrayIcon> icon = std::move(found->second);
    icons_.erase(found);
    icon->hide();
    if (notifying_ > 0) icon.release()->deleteLater();
    return true;
}

QSystemTrayIcon* TrayIcons::Find(WindowHandle window, std::uint32_t id) const {
    const auto found = icons_.find({window, id});
    return found == icons_.end() ? nullptr : found->second.get();
}

// Double and middle clicks have no message of their own here.
void TrayIcons::Activated(Key key, QSystemTrayIcon::ActivationReason reason) {
    std::int32_t message = 0;
    if (reason == QSystemTrayIcon::Trigger) message = kWmLButtonDown;
    if (reason == QSystemTrayIcon::Context) message = kWmRButtonDown;
    if (message == 0 || sink_ == nullptr) return;
    ++notifying_;
    sink_->TrayNotification(key.first, key.second, message);
    --notifying_;
}

}  // namespace orvik
