#include "platform/qt/qt_platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>

#include "platform/disk_files.h"
#include "platform/qt/page_view.h"

namespace orvik {

namespace {

constexpr int kReconnectMs = 1000;
constexpr int kSecondStartNoticeMs = 10000;

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
      redrawTimer_(std::make_unique<QTimer>()),
      settings_(SettingsStore::UserFolder(), [this](std::string_view line) { LogLine(line); }),
      tray_([this](std::string_view line) { LogLine(line); }),
      instance_(std::move(instance)) {
    clipboardRequests_ = ClipboardRequests::OnThisDisplay();
    paste_.JudgeFetchesBy(clipboardRequests_.get());
    paste_.WhenUnfetched([this] { LogLine("a paste was not fetched in time: what follows it goes on"); });
    reconnectTimer_->setInterval(kReconnectMs);
    QObject::connect(reconnectTimer_.get(), &QTimer::timeout, [this] { ConnectHook(); });
    redrawTimer_->setSingleShot(true);
    QObject::connect(redrawTimer_.get(), &QTimer::timeout, [this] { RedrawAll(); });
    settingsFlush_ = std::make_unique<QTimer>();
    settingsFlush_->setSingleShot(true);
    QObject::connect(settingsFlush_.get(), &QTimer::timeout, [this] { settings_.Flush(); });
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
    for (const auto& [view, fragment] : pendingPages_)
        if (const auto found = candidatePages_.find(view); found != candidatePages_.end()) found->second(fragment);
    pendingPages_.clear();
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
    pendingPages_.insert_or_assign(std::string(view), std::u16string(fragment));
    RedrawWhenTypingPauses();
}

bool QtPlatform::PrevInstance() {
    if (!instance_.OtherInstanceRuns()) return false;
    secondStart_ = true;
    LogLine("another orvik2004 already runs for this user; this start ends");
    return true;
}

// A box raised while the user writes in another application (a mode that
// could not load its files) shows without taking the keyboard from it: the
// next keys went into the box. The notice of a second start closes by
// itself, so that start ends even with no one at the screen.
std::int32_t QtPlatform::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const bool withCancel = (style & kMbTypeMask) == kMbOkCancel;
    const bool exclamation = (style & kMbIconMask) == kMbExclamation;
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdU16String(std::u16string(caption)), QString::fromStdU16String(std::u16string(text)),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (HookConnected() && hookFocus_.window != 0 && !hookFocus_.own) box.setAttribute(Qt::WA_ShowWithoutActivating);
    if (secondStart_) QTimer::singleShot(kSecondStartNoticeMs, &box, [&box] { box.done(QMessageBox::Ok); });
    return box.exec() == QMessageBox::Cancel ? kIdCancel : kIdOk;
}

}  // namespace orvik
