#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

#include "platform/disk_files.h"
#include "platform/qt/page_view.h"

namespace orvik {

QtPlatform::QtPlatform(std::string dataDirectory)
    : dataDirectory_(std::move(dataDirectory)), timerContext_(std::make_unique<QObject>()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw) {
    windows_[id] = {window, std::move(redraw)};
}

void QtPlatform::UnregisterWindow(WindowId id) { windows_.erase(id); }

void QtPlatform::RegisterView(const std::string& name, PageView* view) { views_[name] = view; }

void QtPlatform::RegisterControl(const std::string& name, QWidget* control) { controls_[name] = control; }

void QtPlatform::SetPopupMenu(WindowId owner, std::function<void()> show) { popupMenus_[owner] = std::move(show); }

void QtPlatform::SetUnloadHandler(std::function<void(WindowId)> handler) { unloadHandler_ = std::move(handler); }

void QtPlatform::ScheduleRedraw() {
    if (redrawPending_) return;
    redrawPending_ = true;
    QTimer::singleShot(0, timerContext_.get(), [this] { RedrawAll(); });
}

void QtPlatform::RedrawAll() {
    redrawPending_ = false;
    for (auto& [id, entry] : windows_)
        if (entry.widget && entry.redraw) entry.redraw();
}

void QtPlatform::KeyReleased(const QKeyEvent& event) {
    // A held key repeats its press, not its release, on the hook's desktop.
    if (event.isAutoRepeat()) return;
    if (const auto key = HookKeyOf(event.key(), event.modifiers(), event.text())) DeliverKey(*key);
}

void QtPlatform::DeliverKey(HookKey key) {
    const WindowHandle window = hookTarget_ != 0 ? hookTarget_ : hookOwner_;
    if (sink_ == nullptr || window == 0) return;
    std::int16_t code = key.code;
    sink_->KeyUp(window, code, key.shift);
    RedrawAll();
}

std::int32_t QtPlatform::NhanDien(WindowHandle target, WindowHandle owner) {
    hookTarget_ = target;
    hookOwner_ = owner;
    return 1;
}

FileBytes QtPlatform::ReadFile(const std::string& path) { return ReadDiskFile(path); }

bool QtPlatform::WriteFile(const std::string& path, std::string_view bytes) { return WriteDiskFile(path, bytes); }

void QtPlatform::Navigate(std::string_view view, std::u16string_view address) {
    const auto found = views_.find(view);
    if (found != views_.end() && found->second) found->second->Open(QString::fromStdU16String(std::u16string(address)));
}

void QtPlatform::MessageBox(std::u16string_view text, std::u16string_view caption) {
    QMessageBox box(QMessageBox::Information, QString::fromStdU16String(std::u16string(caption)),
                    QString::fromStdU16String(std::u16string(text)), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

void QtPlatform::keybd_event(std::uint8_t, std::uint8_t, std::uint32_t) { NoticeNoHook(); }

std::int32_t QtPlatform::PostMessageW(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) {
    NoticeNoHook();
    return 0;
}

void QtPlatform::NoticeNoHook() {
    if (noHookNoticed_) return;
    noHookNoticed_ = true;
    std::cerr << "orvik2004: no key hook is installed yet, so characters and keys cannot reach other "
                 "applications\n";
}

WindowHandle QtPlatform::GetForegroundWindow() {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) return kOtherWindow;
    return ActiveOwnWindow();
}

WindowHandle QtPlatform::GetFocus() {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) return kOtherFocus;
    return ActiveOwnWindow();
}

ThreadId QtPlatform::GetWindowThreadProcessId(WindowHandle window) {
    if (window == 0) return 0;
    return OwnsHandle(window) ? kOwnThread : kOtherThread;
}

bool QtPlatform::OwnsHandle(WindowHandle window) const {
    return window >= kOwnWindows && window <= kOwnWindows + static_cast<WindowHandle>(WindowId::QXAbout);
}

}  // namespace orvik
