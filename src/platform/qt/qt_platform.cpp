#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include "platform/disk_files.h"
#include "platform/qt/page_view.h"

namespace orvik {

namespace {

constexpr int kReconnectMs = 1000;

}  // namespace

QtPlatform::QtPlatform(std::string dataDirectory)
    : QtPlatform(std::move(dataDirectory), InstanceLock([this](std::string_view line) { LogLine(line); })) {}

QtPlatform::QtPlatform(std::string dataDirectory, InstanceLock instance)
    : dataDirectory_(std::move(dataDirectory)),
      hook_({[this](const hook::KeyUp& key) { HookKeyEvent(key); },
             [this](const hook::Focus& focus) { hookFocus_ = focus; },
             [this](const hook::GaveBack& key) {
                 if (sink_ != nullptr) sink_->KeyGivenBack(key.seq);
                 ScheduleRedraw();
             },
             [this] { HookLost(); }}),
      reconnectTimer_(std::make_unique<QTimer>()),
      timerContext_(std::make_unique<QObject>()),
      settings_(SettingsStore::UserFolder(), [this](std::string_view line) { LogLine(line); }),
      tray_([this](std::string_view line) { LogLine(line); }),
      instance_(std::move(instance)) {
    reconnectTimer_->setInterval(kReconnectMs);
    QObject::connect(reconnectTimer_.get(), &QTimer::timeout, [this] { ConnectHook(); });
}

// The hook's connection goes first and quietly: its loss is no news now.
// The notice that no hook answers is not modal and may still be open.
QtPlatform::~QtPlatform() {
    hook_.Close();
    delete noHookNotice_.data();
}

void QtPlatform::RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw) {
    windows_[id] = {window, std::move(redraw)};
}

void QtPlatform::UnregisterWindow(WindowId id) { windows_.erase(id); }

void QtPlatform::RegisterView(const std::string& name, PageView* view) { views_[name] = view; }

void QtPlatform::RegisterCandidatePage(const std::string& name, std::function<void(std::u16string_view)> draw) {
    candidatePages_[name] = std::move(draw);
}

void QtPlatform::RegisterControl(const std::string& name, QWidget* control) { controls_[name] = control; }

void QtPlatform::SetPopupMenu(WindowId owner, std::function<void()> show) { popupMenus_[owner] = std::move(show); }

void QtPlatform::ScheduleRedraw() {
    if (redrawPending_) return;
    redrawPending_ = true;
    QTimer::singleShot(0, timerContext_.get(), [this] { RedrawAll(); });
}

// Only what shows is drawn: a hidden window is drawn when it is shown.
void QtPlatform::RedrawAll() {
    redrawPending_ = false;
    for (auto& [id, entry] : windows_)
        if (entry.widget && entry.widget->isVisible() && entry.redraw) entry.redraw();
}

void QtPlatform::Redraw(WindowId window) {
    const auto found = windows_.find(window);
    if (found != windows_.end() && found->second.widget && found->second.redraw) found->second.redraw();
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

FileBytes QtPlatform::ReadFile(const std::string& path) { return ReadDiskFile(path); }

bool QtPlatform::WriteFile(const std::string& path, std::string_view bytes) { return WriteDiskFile(path, bytes); }

void QtPlatform::Navigate(std::string_view view, std::u16string_view address) {
    const auto found = views_.find(view);
    if (found != views_.end() && found->second) found->second->Open(QString::fromStdU16String(std::u16string(address)));
}

void QtPlatform::DrawCandidatePage(std::string_view view, std::u16string_view fragment) {
    const auto found = candidatePages_.find(view);
    if (found != candidatePages_.end()) found->second(fragment);
}

std::int32_t QtPlatform::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const bool withCancel = (style & kMbTypeMask) == kMbOkCancel;
    const bool exclamation = (style & kMbIconMask) == kMbExclamation;
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdU16String(std::u16string(caption)), QString::fromStdU16String(std::u16string(text)),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Cancel ? kIdCancel : kIdOk;
}

}  // namespace orvik
