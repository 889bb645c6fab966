#include "doubles/recording_platform.h"

#include <algorithm>
#include <utility>

#include "engine/text.h"
#include "formats/rtf_plain_text.h"

namespace orvik {

RecordingPlatform::RecordingPlatform(std::string programDirectory, std::string currentDirectory)
    : MemoryFiles(calls, std::move(programDirectory), std::move(currentDirectory)),
      ShownPages(calls),
      AnsweredDialogs(calls),
      MemorySettings(calls),
      NotificationArea(calls),
      KeptSounds(calls) {}

namespace {

// The windows' names, in the order of WindowId.
constexpr const char* kWindowNames[] = {"OrvikU", "HVTNP", "WPopup", "CauHinh", "QXAbout"};

std::string Number(std::int64_t n) { return std::to_string(n); }

}  // namespace

void RecordingPlatform::Record(std::string_view call, WindowId window) {
    calls.push_back(std::string(call) + " " + kWindowNames[static_cast<int>(window)]);
}

void RecordingPlatform::PassKeyOn() {
    calls.push_back("PassKeyOn");
    passed_.push_back(deliveredKey_);
    TypeInForeground(deliveredKey_, (deliveredShift_ & kShiftMask) != 0);
}

// Keys typed into the program's own window stay there; others reach the
// foreground application's focused control.
WindowHandle RecordingPlatform::KeyTarget() {
    return IsOwnWindow(foreground_) ? foreground_ : focus_;
}

// A key typed on a US layout: letters (as capitals' or small letters'
// codes), digits, Space and the punctuation keys type their character,
// Backspace deletes the last one.
void RecordingPlatform::TypeInForeground(std::int16_t key, bool shift) {
    std::u16string& text = received_[KeyTarget()];
    if (key == kVkBack) {
        if (!text.empty()) text.pop_back();
        return;
    }
    char16_t c = 0;
    if (key >= kVkA && key <= kVkZ) c = static_cast<char16_t>(shift ? key : key + kSmallLetterOffset);
    else if ((key >= u'a' && key <= u'z') || (key >= kVk0 && key <= kVk9)) c = static_cast<char16_t>(key);
    else if (key == kVkSpace) c = u' ';
    else if (key == kVkReturn) c = u'\n';
    else if (key == kVkTab) c = u'\t';
    else if (key == kVkComma) c = u',';
    else if (key == kVkPeriod) c = u'.';
    if (c != 0) text += c;
}

void RecordingPlatform::keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) {
    calls.push_back("keybd_event " + Number(key) + " " + Number(scan) + " " + Number(flags));
    // The program sends presses (0) and releases only; other flags are no
    // key this desktop types.
    if (flags != 0 && flags != kKeyEventKeyUp) return;
    if (flags == kKeyEventKeyUp) {
        held_.erase(key);
        return;
    }
    held_.insert(key);
    const bool ctrl = userCtrl_ || held_.count(kVkControl) != 0;
    if (key == kVkControl || key == kVkShift) return;
    if (ctrl && key == kVkV) {
        const std::u16string rtf = Clipboard(kClipboardRtf);
        pastes_.push_back(rtf.empty() ? Clipboard(kClipboardText) : RtfPlainText(rtf));
        received_[KeyTarget()] += pastes_.back();
    } else if (ctrl && key == kVkC) {
        ++copies_;
        copyPending_ = true;
    } else if (!ctrl) {
        TypeInForeground(key, held_.count(kVkShift) != 0);
    }
}

std::int32_t RecordingPlatform::PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                             std::int32_t) {
    calls.push_back("PostMessageW " + Number(window) + " " + Number(message) + " " + Number(wParam));
    if (message == kWmChar) received_[window] += static_cast<char16_t>(wParam);
    return 1;
}

WindowHandle RecordingPlatform::GetForegroundWindow() {
    calls.push_back("GetForegroundWindow " + Number(foreground_));
    return foreground_;
}

bool RecordingPlatform::IsOwnWindow(WindowHandle window) {
    return window >= HandleOf(WindowId::OrvikU) && window <= HandleOf(WindowId::QXAbout);
}

WindowHandle RecordingPlatform::GetFocus() {
    calls.push_back("GetFocus " + Number(focus_));
    return focus_;
}

std::int32_t RecordingPlatform::NhanDien(WindowHandle target, WindowHandle owner) {
    calls.push_back("NhanDien " + Number(target) + " " + Number(owner));
    hookTarget_ = target;
    hookOwner_ = owner;
    return 1;
}

bool RecordingPlatform::InstallKeyHook() {
    calls.push_back("InstallKeyHook");
    hookInstalled_ = true;
    return true;
}

void RecordingPlatform::RemoveKeyHook() {
    calls.push_back("RemoveKeyHook");
    hookInstalled_ = false;
}

void RecordingPlatform::LandCopy() {
    if (copyPending_ && !foregroundSelection_.empty()) clipboard_[kClipboardRtf] = foregroundSelection_;
    copyPending_ = false;
}

void RecordingPlatform::Sleep(std::uint32_t milliseconds) {
    calls.push_back("Sleep " + Number(milliseconds));
    slept_ += milliseconds;
    LandCopy();
}

void RecordingPlatform::DoEvents() {
    calls.push_back("DoEvents");
    LandCopy();
    if (onDoEvents_) onDoEvents_();
}

void RecordingPlatform::ClipboardClear() {
    calls.push_back("ClipboardClear");
    clipboard_.clear();
}

void RecordingPlatform::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    calls.push_back("ClipboardSetText " + Number(format) + " " + U16ToUtf8(text));
    clipboard_[format] = std::u16string(text);
}

std::u16string RecordingPlatform::ClipboardGetText(std::int32_t format) {
    calls.push_back("ClipboardGetText " + Number(format));
    return Clipboard(format);
}

void RecordingPlatform::ShowWindow(WindowId window) {
    Record("ShowWindow", window);
    visible_.insert(window);
    minimized_.erase(window);
}

void RecordingPlatform::HideWindow(WindowId window) {
    Record("HideWindow", window);
    visible_.erase(window);
}

void RecordingPlatform::MinimizeWindow(WindowId window) {
    Record("MinimizeWindow", window);
    minimized_.insert(window);
}

void RecordingPlatform::SetTopmost(WindowId window) {
    Record("SetWindowPos", window);
    topmost_.insert(window);
}

void RecordingPlatform::UnloadWindow(WindowId window) {
    Record("UnloadWindow", window);
    visible_.erase(window);
}

void RecordingPlatform::FocusControl(std::string_view control) {
    calls.push_back("FocusControl " + std::string(control));
    focusedControl_ = std::string(control);
}

void RecordingPlatform::ShowPopupMenu(WindowId owner) {
    Record("ShowPopupMenu", owner);
    ++popupMenus_;
}

void RecordingPlatform::RestoreWindow(WindowId window) {
    Record("RestoreWindow", window);
    minimized_.erase(window);
}

// A view copies its selection on Ctrl+C, as the desktop's browser views do.
void RecordingPlatform::SendKeys(std::u16string_view keys) {
    calls.push_back("SendKeys " + U16ToUtf8(keys));
    const auto selection = selections_.find(focusedControl_);
    if (keys == u"^c" && selection != selections_.end()) clipboard_[kClipboardRtf] = selection->second;
}

void RecordingPlatform::StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) {
    calls.push_back("StartTimer " + std::string(name) + " " + Number(intervalMs));
    timers_[std::string(name)] = std::move(tick);
}

void RecordingPlatform::StopTimer(std::string_view name) {
    calls.push_back("StopTimer " + std::string(name));
    timers_.erase(std::string(name));
}

// The tick may stop or replace its own timer.
bool RecordingPlatform::FireTimer(std::string_view name) {
    const auto timer = timers_.find(std::string(name));
    if (timer == timers_.end()) return false;
    const std::function<void()> tick = timer->second;
    tick();
    return true;
}

bool RecordingPlatform::StartProgram(std::u16string_view commandLine) {
    calls.push_back("StartProgram " + U16ToUtf8(commandLine));
    if (refused_.count(std::u16string(commandLine)) != 0) return false;
    started_.emplace_back(commandLine);
    return true;
}

void RecordingPlatform::Quit() {
    calls.push_back("Quit");
    ++quits_;
}

void RecordingPlatform::SetForeground(WindowHandle window, WindowHandle focus) {
    foreground_ = window;
    focus_ = focus;
}

std::int16_t RecordingPlatform::DeliverKey(std::int16_t keyCode, std::int16_t shift) {
    const bool toOwner = keyCode >= kFirstCommandCode || hookTarget_ == 0;
    deliveredKey_ = keyCode;
    deliveredShift_ = shift;
    if (sink_ != nullptr) sink_->KeyUp(toOwner ? hookOwner_ : hookTarget_, keyCode, shift);
    return keyCode;
}

bool RecordingPlatform::PrevInstance() {
    calls.push_back("PrevInstance");
    return otherInstance_;
}

}  // namespace orvik
