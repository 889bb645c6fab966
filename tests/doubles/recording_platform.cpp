#include "doubles/recording_platform.h"

#include <algorithm>
#include <utility>

#include "engine/text.h"
#include "formats/rtf_plain_text.h"
#include "platform/disk_files.h"

namespace orvik {

RecordingPlatform::RecordingPlatform(std::string programDirectory, std::string currentDirectory)
    : programDirectory_(std::move(programDirectory)), currentDirectory_(std::move(currentDirectory)) {}

FileBytes RecordingPlatform::ReadFile(const std::string& path) {
    calls_.push_back("ReadFile " + path);
    if (const auto file = files_.find(path); file != files_.end()) return {true, {}, file->second};
    if (std::find(removed_.begin(), removed_.end(), path) != removed_.end()) return {false, "file not found", {}};
    return ReadDiskFile(path);
}

bool RecordingPlatform::WriteFile(const std::string& path, std::string_view bytes) {
    calls_.push_back("WriteFile " + path + " (" + std::to_string(bytes.size()) + " bytes)");
    if (std::find(unwritable_.begin(), unwritable_.end(), path) != unwritable_.end()) return false;
    files_[path] = std::string(bytes);
    return true;
}

void RecordingPlatform::Navigate(std::string_view view, std::u16string_view address) {
    calls_.push_back("Navigate " + std::string(view) + " " + U16ToUtf8(address));
    locations_[std::string(view)] = std::u16string(address);
}

void RecordingPlatform::DrawCandidatePage(std::string_view view, std::u16string_view fragment) {
    calls_.push_back("DrawCandidatePage " + std::string(view));
    drawn_[std::string(view)] = std::u16string(fragment);
    ++pagesDrawn_;
}

std::u16string RecordingPlatform::LocationURL(std::string_view view) {
    calls_.push_back("LocationURL " + std::string(view));
    return Location(view);
}

std::int32_t RecordingPlatform::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const std::string box = style == kMbOkOnly ? "MessageBox" : "MsgBox " + std::to_string(style);
    calls_.push_back(box + " [" + U16ToUtf8(caption) + "] " + U16ToUtf8(text));
    messages_.push_back(U16ToUtf8(text));
    return style == kMbOkOnly ? kIdOk : messageBoxAnswer_;
}

namespace {

// The windows' names, in the order of WindowId.
constexpr const char* kWindowNames[] = {"OrvikU", "HVTNP", "WPopup", "CauHinh", "QXAbout"};

std::string Number(std::int64_t n) { return std::to_string(n); }

}  // namespace

void RecordingPlatform::Record(std::string_view call, WindowId window) {
    calls_.push_back(std::string(call) + " " + kWindowNames[static_cast<int>(window)]);
}

void RecordingPlatform::PassKeyOn() {
    calls_.push_back("PassKeyOn");
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
    calls_.push_back("keybd_event " + Number(key) + " " + Number(scan) + " " + Number(flags));
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
    calls_.push_back("PostMessageW " + Number(window) + " " + Number(message) + " " + Number(wParam));
    if (message == kWmChar) received_[window] += static_cast<char16_t>(wParam);
    return 1;
}

WindowHandle RecordingPlatform::GetForegroundWindow() {
    calls_.push_back("GetForegroundWindow " + Number(foreground_));
    return foreground_;
}

bool RecordingPlatform::IsOwnWindow(WindowHandle window) {
    return window >= HandleOf(WindowId::OrvikU) && window <= HandleOf(WindowId::QXAbout);
}

WindowHandle RecordingPlatform::GetFocus() {
    calls_.push_back("GetFocus " + Number(focus_));
    return focus_;
}

std::int32_t RecordingPlatform::NhanDien(WindowHandle target, WindowHandle owner) {
    calls_.push_back("NhanDien " + Number(target) + " " + Number(owner));
    hookTarget_ = target;
    hookOwner_ = owner;
    return 1;
}

bool RecordingPlatform::InstallKeyHook() {
    calls_.push_back("InstallKeyHook");
    hookInstalled_ = true;
    return true;
}

void RecordingPlatform::RemoveKeyHook() {
    calls_.push_back("RemoveKeyHook");
    hookInstalled_ = false;
}

void RecordingPlatform::LandCopy() {
    if (copyPending_ && !foregroundSelection_.empty()) clipboard_[kClipboardRtf] = foregroundSelection_;
    copyPending_ = false;
}

void RecordingPlatform::Sleep(std::uint32_t milliseconds) {
    calls_.push_back("Sleep " + Number(milliseconds));
    slept_ += milliseconds;
    LandCopy();
}

void RecordingPlatform::DoEvents() {
    calls_.push_back("DoEvents");
    LandCopy();
    if (onDoEvents_) onDoEvents_();
}

SoundResult RecordingPlatform::sndPlaySoundA(std::string_view sound, std::uint32_t flags) {
    calls_.push_back("sndPlaySoundA " + Number(flags) + " (" + Number(static_cast<std::int64_t>(sound.size())) +
                     " bytes)");
    if (soundRefusal_) return {false, *soundRefusal_};
    sounds_.emplace_back(sound);
    return {true, {}};
}

void RecordingPlatform::ClipboardClear() {
    calls_.push_back("ClipboardClear");
    clipboard_.clear();
}

void RecordingPlatform::ClipboardSetText(std::u16string_view text, std::int32_t format) {
    calls_.push_back("ClipboardSetText " + Number(format) + " " + U16ToUtf8(text));
    clipboard_[format] = std::u16string(text);
}

std::u16string RecordingPlatform::ClipboardGetText(std::int32_t format) {
    calls_.push_back("ClipboardGetText " + Number(format));
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
    calls_.push_back("FocusControl " + std::string(control));
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
    calls_.push_back("SendKeys " + U16ToUtf8(keys));
    const auto selection = selections_.find(focusedControl_);
    if (keys == u"^c" && selection != selections_.end()) clipboard_[kClipboardRtf] = selection->second;
}

FontChoice RecordingPlatform::ShowFontDialog(std::u16string_view title, std::int32_t, const FontChoice& start) {
    calls_.push_back("ShowFontDialog [" + U16ToUtf8(title) + "] " + U16ToUtf8(start.FontName));
    return fontAnswer_ ? *fontAnswer_ : start;
}

void RecordingPlatform::StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) {
    calls_.push_back("StartTimer " + std::string(name) + " " + Number(intervalMs));
    timers_[std::string(name)] = std::move(tick);
}

void RecordingPlatform::StopTimer(std::string_view name) {
    calls_.push_back("StopTimer " + std::string(name));
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
    calls_.push_back("StartProgram " + U16ToUtf8(commandLine));
    if (refused_.count(std::u16string(commandLine)) != 0) return false;
    started_.emplace_back(commandLine);
    return true;
}

void RecordingPlatform::Quit() {
    calls_.push_back("Quit");
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

void RecordingPlatform::SetFile(const std::string& path, std::string bytes) {
    files_[path] = std::move(bytes);
    std::erase(removed_, path);
}

void RecordingPlatform::RemoveFile(const std::string& path) {
    files_.erase(path);
    removed_.push_back(path);
}

bool RecordingPlatform::FileExists(const std::string& path) const {
    if (files_.count(path) != 0) return true;
    if (std::find(removed_.begin(), removed_.end(), path) != removed_.end()) return false;
    return ReadDiskFile(path).ok;
}

bool RecordingPlatform::RenameFile(const std::string& from, const std::string& to) {
    calls_.push_back("RenameFile " + from + " " + to);
    if (!FileExists(from) || FileExists(to)) return false;
    const auto memory = files_.find(from);
    SetFile(to, memory != files_.end() ? memory->second : ReadDiskFile(from).bytes);
    RemoveFile(from);
    return true;
}

bool RecordingPlatform::DeleteFile(const std::string& path) {
    calls_.push_back("DeleteFile " + path);
    if (!FileExists(path)) return false;
    RemoveFile(path);
    return true;
}

bool RecordingPlatform::PrevInstance() {
    calls_.push_back("PrevInstance");
    return otherInstance_;
}

// The program uses one application and section; a key written under any
// other is recorded with them and kept apart.
namespace {

std::u16string StoreKey(std::u16string_view appName, std::u16string_view section, std::u16string_view key) {
    return std::u16string(appName) + u"\\" + std::u16string(section) + u"\\" + std::u16string(key);
}

constexpr std::u16string_view kTestApp = u"VietOrvikU2004";
constexpr std::u16string_view kTestSection = u"Settings";

}  // namespace

std::u16string RecordingPlatform::GetSetting(std::u16string_view appName, std::u16string_view section,
                                             std::u16string_view key, std::u16string_view defaultValue) {
    calls_.push_back("GetSetting " + U16ToUtf8(StoreKey(appName, section, key)));
    const auto value = settings_.find(StoreKey(appName, section, key));
    return value == settings_.end() ? std::u16string(defaultValue) : value->second;
}

void RecordingPlatform::SaveSetting(std::u16string_view appName, std::u16string_view section,
                                    std::u16string_view key, std::u16string_view value) {
    calls_.push_back("SaveSetting " + U16ToUtf8(StoreKey(appName, section, key)) + " = " + U16ToUtf8(value));
    settings_[StoreKey(appName, section, key)] = std::u16string(value);
    ++settingsSaved_;
}

bool RecordingPlatform::SetAutostartEntry(bool present) {
    calls_.push_back(std::string("SetAutostartEntry ") + (present ? "1" : "0"));
    return !autostartRefused_;
}

void RecordingPlatform::SetSetting(std::u16string_view key, std::u16string value) {
    settings_[StoreKey(kTestApp, kTestSection, key)] = std::move(value);
}

std::u16string RecordingPlatform::Setting(std::u16string_view key) const {
    return ValueOf(settings_, StoreKey(kTestApp, kTestSection, key));
}

std::int32_t RecordingPlatform::Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) {
    const TrayIconFields icon = ReadTrayIconData(data);
    calls_.push_back("Shell_NotifyIconA " + Number(message) + " " + Number(icon.hWnd) + " " + Number(icon.uID) + " " +
                     Number(icon.uFlags) + " " + Number(icon.uCallbackMessage) + " " + Number(icon.hIcon) + " [" +
                     U16ToUtf8(icon.tip) + "]");
    const std::pair key{icon.hWnd, icon.uID};
    if (message == kNimAdd) return trayIcons_.insert(key).second ? 1 : 0;
    if (message == kNimDelete) return trayIcons_.erase(key) != 0 ? 1 : 0;
    return 0;
}

void RecordingPlatform::PressTrayIcon(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) {
    if (traySink_ != nullptr && trayIcons_.count({window, id}) != 0)
        traySink_->TrayNotification(window, id, mouseMessage);
}

void RecordingPlatform::LogLine(std::string_view line) {
    calls_.push_back("LogLine " + std::string(line));
    logged_.emplace_back(line);
}

}  // namespace orvik
