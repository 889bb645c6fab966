#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>


namespace orvik {

namespace {

constexpr int kReconnectMs = 1000;

}  // namespace

QtPlatform::QtPlatform(std::string dataDirectory)
    : QtPlatform(std::move(dataDirectory), InstanceLock([this](std::string_view line) { LogLine(line); })) {}

QtPlatform::QtPlatform(std::string dataDirectory, InstanceLock instance)
    : DataFolderFiles(dataDirectory),
      BrowserPages([this] { RedrawWhenTypingPauses(); }),
      DesktopDialogs({[this] { return Widget(WindowId::OrvikU); },
                      [this] { return HookConnected() && hookFocus_.window != 0 && !hookFocus_.own; },
                      [this] { return SecondStart(); }}),
      StoredSettings([this](std::string_view line) { LogLine(line); }),
      DesktopTray([this](std::string_view line) { LogLine(line); }),
      QtEventLoop([this] { ScheduleRedraw(); }),
      DesktopPrograms(dataDirectory, std::move(instance), [this](std::string_view line) { LogLine(line); }),
      hook_({[this](const hook::KeyUp& key) { HookKeyEvent(key); },
             [this](const hook::Focus& focus) { hookFocus_ = focus; },
             [this](const hook::GaveBack& key) {
                 if (sink_ != nullptr) sink_->KeyGivenBack(key.seq);
                 ScheduleRedraw();
             },
             [this] { HookLost(); }}),
      reconnectTimer_(std::make_unique<QTimer>()),
      redrawTimer_(std::make_unique<QTimer>()) {
    clipboardRequests_ = ClipboardRequests::OnThisDisplay();
    paste_.JudgeFetchesBy(clipboardRequests_.get());
    paste_.WhenUnfetched([this] { LogLine("a paste was not fetched in time: what follows it goes on"); });
    reconnectTimer_->setInterval(kReconnectMs);
    QObject::connect(reconnectTimer_.get(), &QTimer::timeout, [this] { ConnectHook(); });
    redrawTimer_->setSingleShot(true);
    QObject::connect(redrawTimer_.get(), &QTimer::timeout, [this] { RedrawAll(); });
}

// The hook's connection goes first and quietly: its loss is no news now.
// The notice that no hook answers is not modal and may still be open. The
// settings are written while this program can still say what went wrong.
QtPlatform::~QtPlatform() {
    hook_.Close();
    delete noHookNotice_.data();
    StoredSettings::Flush();
}

void QtPlatform::RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw) {
    windows_[id] = {window, std::move(redraw)};
}

void QtPlatform::UnregisterWindow(WindowId id) { windows_.erase(id); }

void QtPlatform::RegisterControl(const std::string& name, QWidget* control) { controls_[name] = control; }

void QtPlatform::SetPopupMenu(WindowId owner, std::function<void()> show) { popupMenus_[owner] = std::move(show); }

void QtPlatform::ScheduleRedraw(std::chrono::milliseconds within) {
    if (redrawTimer_->isActive() && redrawTimer_->remainingTimeAsDuration() <= within) return;
    typingRedraw_ = false;
    redrawTimer_->start(within);
}

void QtPlatform::RedrawWhenTypingPauses() {
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (!redrawTimer_->isActive()) typingDrawDue_ = now + kTypingDrawEvery;
    else if (!typingRedraw_) return;  // a drawing asked for sooner stands
    typingRedraw_ = true;
    const auto due = duration_cast<milliseconds>(typingDrawDue_ - now);
    redrawTimer_->start(std::clamp(due, milliseconds{0}, kTypingPause));
}

// Only what shows is drawn: a hidden window is drawn when it is shown.
void QtPlatform::RedrawAll() {
    redrawTimer_->stop();
    typingRedraw_ = false;
    DrawPendingPages();
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

}  // namespace orvik
