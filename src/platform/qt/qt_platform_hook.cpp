// The keyboard hook: the key hook inside the input-method framework, its
// key events, and the foreground window, characters and keys it stands for.
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <iostream>
#include <iterator>

#include "platform/qt/qt_platform.h"

namespace orvik {

namespace {

constexpr const char* kNoHookNotice =
    "Bộ gõ fcitx5 chưa có phần bổ sung orvikhook, nên chỉ gõ được trong cửa sổ của chương trình.\n";

#ifdef ORVIK_HOOK_INSTALL_COMMAND
// A build from the sources installs its own key hook, and only that: its
// programs are checked builds, never installed.
constexpr const char* kNoHookRemedy = "Hãy cài nó (" ORVIK_HOOK_INSTALL_COMMAND
                                      ") rồi khởi động lại fcitx5 (fcitx5 -r -d), hoặc chạy " ORVIK_IME_SESSION ".";
constexpr const char* kNoHookRemedyLog = "Install it (" ORVIK_HOOK_INSTALL_COMMAND
                                         ") and restart fcitx5 (fcitx5 -r -d), or run " ORVIK_IME_SESSION ".";
#else
// The package installed the key hook; fcitx5 loads it when it starts again.
constexpr const char* kNoHookRemedy = "Hãy khởi động lại fcitx5 (fcitx5 -r -d), hoặc đăng xuất rồi đăng nhập lại.";
constexpr const char* kNoHookRemedyLog = "Restart fcitx5 (fcitx5 -r -d), or log out and in again, so that it loads "
                                         "the key hook orvikhook.";
#endif

}  // namespace

std::int32_t QtPlatform::NhanDien(WindowHandle target, WindowHandle owner) {
    hookTarget_ = target;
    hookOwner_ = owner;
    if (libraryLoaded_) {
        hook_.Send(hook::Register{target, owner});
    } else {
        libraryLoaded_ = true;
        ConnectHook();
    }
    return hook_.IsOpen() ? 1 : 0;
}

// The library stands for the program's end of the connection, so it is
// there whether or not a hook answers yet.
bool QtPlatform::InstallKeyHook() {
    if (!libraryLoaded_) return false;
    hookInstalled_ = true;
    hook_.Send(hook::Hook{});
    return true;
}

void QtPlatform::RemoveKeyHook() {
    if (hookInstalled_) hook_.Send(hook::Unhook{});
    hookInstalled_ = false;
    libraryLoaded_ = false;
    reconnectTimer_->stop();
    hook_.Close();
    hookFocus_ = {};
}

// A hook that answers is told again what the program had told the one
// before it.
void QtPlatform::ConnectHook() {
    if (!hook_.Open()) {
        NoticeNoHook();
        reconnectTimer_->start();
        return;
    }
    reconnectTimer_->stop();
    std::cerr << "orvik2004: the key hook answers at " << hook_.Path() << "\n";
    hook_.Send(hook::Register{hookTarget_, hookOwner_});
    if (hookInstalled_) hook_.Send(hook::Hook{});
    if (wordPending_) hook_.Send(hook::Word{true});
}

void QtPlatform::HookLost() {
    hookFocus_ = {};
    if (libraryLoaded_) reconnectTimer_->start();
}

void QtPlatform::NoticeNoHook() {
    if (noHookNoticed_) return;
    noHookNoticed_ = true;
    std::cerr << "orvik2004: no key hook answers at " << hook_.Path()
              << "; keys reach the program only in its own windows. " << kNoHookRemedyLog << '\n';
    auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdU16String(std::u16string(kMessageCaption)),
                                QString::fromUtf8(kNoHookNotice) + QString::fromUtf8(kNoHookRemedy), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The command it names can be selected and copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A message box blocks the other windows unless told otherwise; the
    // program stays usable in its own windows while the notice is open.
    box->setModal(false);
    box->show();
    noHookNotice_ = box;
}

// What the program sends while it handles a key event answers that event.
// A command may wait (for a copy to reach the clipboard), so its key event
// is answered before it runs: the key itself is never the application's.
void QtPlatform::HookKeyEvent(const hook::KeyUp& key) {
    const hook::Seq outer = answering_;
    answering_ = key.seq;
    const bool command = key.code >= kFirstCommandCode;
    if (command) hook_.Send(hook::Done{key.seq});
    std::int16_t code = key.code;
    if (sink_ != nullptr) sink_->KeyArrives(key.seq);
    if (sink_ != nullptr) sink_->KeyUp(key.window, code, key.shift);
    // The answer follows whatever was sent for the key, a paste's wait
    // included: keys typed meanwhile stay behind in the hook.
    if (!command) paste_.Deliver([this, done = hook::Done{key.seq}] { hook_.Send(done); });
    answering_ = outer;
    RedrawWhenTypingPauses();
}

void QtPlatform::SendDelivery(const hook::Message& message) {
    if (!hook_.IsOpen()) return NoticeNoHook();
    hook_.Send(message);
}

void QtPlatform::keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) {
    const hook::Keybd keybd{answering_, key, scan, flags};
    copyWatch_.KeySent(key, flags);
    paste_.Deliver([this, keybd] {
        SendDelivery(keybd);
        if (hook_.IsOpen()) paste_.KeySent(keybd.vk, keybd.flags);
    });
}

// The terminals of the Debian desktops, by the program name their input
// context reports: they paste with Ctrl+Shift+V or the middle button. GTK 4
// applications never see the key strokes an input method sends.
bool QtPlatform::ForegroundPastesWithCtrlV() {
    static constexpr std::string_view kTerminals[] = {
        "xterm",      "uxterm",    "urxvt", "rxvt", "gnome-terminal-server", "konsole", "xfce4-terminal",
        "mate-terminal", "lxterminal", "qterminal", "terminator", "tilix", "kitty", "alacritty", "foot", "st",
        "sakura", "terminology"};
    if (!hook_.IsOpen() || hookFocus_.own) return true;
    if (!hookFocus_.takesKeys) return false;
    return std::find(std::begin(kTerminals), std::end(kTerminals), hookFocus_.program) == std::end(kTerminals);
}

// In the order of what the program sends, so it lands after a paste before it.
void QtPlatform::PassKeyOn() {
    if (answering_ == 0) return;
    const hook::Pass pass{answering_};
    paste_.Deliver([this, pass] { SendDelivery(pass); });
}

void QtPlatform::WordPending(bool pending) {
    if (pending == wordPending_) return;
    wordPending_ = pending;
    paste_.Deliver([this, word = hook::Word{pending}] {
        if (hook_.IsOpen()) hook_.Send(word);
    });
}

std::int32_t QtPlatform::PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                      std::int32_t) {
    if (message != kWmChar || wParam > 0xFFFF) return 0;
    const hook::Char posted{answering_, window, static_cast<std::uint16_t>(wParam)};
    paste_.Deliver([this, posted] { SendDelivery(posted); });
    return hook_.IsOpen() ? 1 : 0;
}

// With the hook, the input context it reports focused is the foreground.
// When none is (the user is in one of the program's windows, which may have
// no input context, or in a program without input method), sends stop as at
// the program's own window: they would reach nothing.
WindowHandle QtPlatform::HookForeground() {
    if (hookFocus_.own || hookFocus_.window == 0) return ActiveOwnWindow();
    return hookFocus_.window;
}

WindowHandle QtPlatform::GetForegroundWindow() {
    if (hook_.IsOpen()) return HookForeground();
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) return ActiveOwnWindow();
    return kOtherWindow;
}

WindowHandle QtPlatform::GetFocus() {
    if (hook_.IsOpen()) return HookForeground();
    if (QGuiApplication::applicationState() == Qt::ApplicationActive) return ActiveOwnWindow();
    return kOtherFocus;
}

}  // namespace orvik
