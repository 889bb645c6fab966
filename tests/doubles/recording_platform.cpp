#include "doubles/recording_platform.h"

#include <algorithm>
#include <cstdio>
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
    lastDrawnPage_ = std::u16string(fragment);
    drawn_[std::string(view)] = lastDrawnPage_;
    ++pagesDrawn_;
}

void RecordingPlatform::GoBack(std::string_view view) { calls_.push_back("GoBack " + std::string(view)); }

void RecordingPlatform::GoForward(std::string_view view) { calls_.push_back("GoForward " + std::string(view)); }

void RecordingPlatform::Refresh(std::string_view view) { calls_.push_back("Refresh " + std::string(view)); }

std::u16string RecordingPlatform::LocationURL(std::string_view view) {
    calls_.push_back("LocationURL " + std::string(view));
    const auto location = locations_.find(view);
    return location == locations_.end() ? std::u16string() : location->second;
}

void RecordingPlatform::SetLocation(std::string_view view, std::u16string address) {
    locations_[std::string(view)] = std::move(address);
}

void RecordingPlatform::SelectInView(std::string_view view, std::u16string rtf) {
    selections_[std::string(view)] = std::move(rtf);
}

std::int32_t RecordingPlatform::MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) {
    const std::string box = style == kMbOkOnly ? "MessageBox" : "MsgBox " + std::to_string(style);
    calls_.push_back(box + " [" + U16ToUtf8(caption) + "] " + U16ToUtf8(text));
    messages_.push_back(U16ToUtf8(text));
    return style == kMbOkOnly ? kIdOk : messageBoxAnswer_;
}

namespace {

const char* NameOf(WindowId window) {
    switch (window) {
        case WindowId::OrvikU: return "OrvikU";
        case WindowId::HVTNP: return "HVTNP";
        case WindowId::WPopup: return "WPopup";
        case WindowId::CauHinh: return "CauHinh";
        case WindowId::QXAbout: return "QXAbout";
    }
    return "?";
}

std::string Number(std::int64_t n) { return std::to_string(n); }

// A point size as the system writes it: 16, 10.5.
std::string SizeText(float size) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(size));
    return text;
}

}  // namespace

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

std::u16string RecordingPlatform::TextOf(WindowHandle control) const {
    const auto text = received_.find(control);
    return text == received_.end() ? std::u16string() : text->second;
}

std::u16string RecordingPlatform::Location(std::string_view view) const {
    const auto location = locations_.find(view);
    return location == locations_.end() ? std::u16string() : location->second;
}

std::u16string RecordingPlatform::DrawnPage(std::string_view view) const {
    const auto page = drawn_.find(view);
    return page == drawn_.end() ? std::u16string() : page->second;
}

std::int32_t RecordingPlatform::PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                             std::int32_t lParam) {
    calls_.push_back("PostMessageW " + Number(window) + " " + Number(message) + " " + Number(wParam) + " " +
                     Number(lParam));
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

// A copy the application was asked for lands on the clipboard while the
// program waits.
void RecordingPlatform::Sleep(std::uint32_t milliseconds) {
    calls_.push_back("Sleep " + Number(milliseconds));
    slept_ += milliseconds;
    if (copyPending_ && !foregroundSelection_.empty()) clipboard_[kClipboardRtf] = foregroundSelection_;
    copyPending_ = false;
}

void RecordingPlatform::DoEvents() {
    calls_.push_back("DoEvents");
    if (copyPending_ && !foregroundSelection_.empty()) clipboard_[kClipboardRtf] = foregroundSelection_;
    copyPending_ = false;
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

std::u16string RecordingPlatform::Clipboard(std::int32_t format) const {
    const auto text = clipboard_.find(format);
    return text == clipboard_.end() ? std::u16string() : text->second;
}

WindowHandle RecordingPlatform::HandleOf(WindowId window) { return 1001 + static_cast<WindowHandle>(window); }

void RecordingPlatform::ShowWindow(WindowId window) {
    calls_.push_back(std::string("ShowWindow ") + NameOf(window));
    visible_.insert(window);
    minimized_.erase(window);
}

void RecordingPlatform::HideWindow(WindowId window) {
    calls_.push_back(std::string("HideWindow ") + NameOf(window));
    visible_.erase(window);
}

void RecordingPlatform::MinimizeWindow(WindowId window) {
    calls_.push_back(std::string("MinimizeWindow ") + NameOf(window));
    minimized_.insert(window);
}

void RecordingPlatform::SetTopmost(WindowId window) {
    calls_.push_back(std::string("SetWindowPos ") + NameOf(window) + " HWND_TOPMOST");
    topmost_.insert(window);
}

void RecordingPlatform::SetWindowHeight(WindowId window, std::int32_t twips) {
    calls_.push_back(std::string("SetWindowHeight ") + NameOf(window) + " " + Number(twips));
}

void RecordingPlatform::DragWindow(WindowId window) {
    calls_.push_back(std::string("DragWindow ") + NameOf(window));
}

void RecordingPlatform::UnloadWindow(WindowId window) {
    calls_.push_back(std::string("UnloadWindow ") + NameOf(window));
    visible_.erase(window);
}

void RecordingPlatform::RefreshWindow(WindowId window) {
    calls_.push_back(std::string("RefreshWindow ") + NameOf(window));
}

void RecordingPlatform::FocusControl(std::string_view control) {
    calls_.push_back("FocusControl " + std::string(control));
    focusedControl_ = std::string(control);
}

void RecordingPlatform::ShowPopupMenu(WindowId owner) {
    calls_.push_back(std::string("ShowPopupMenu ") + NameOf(owner));
    ++popupMenus_;
}

void RecordingPlatform::MaximizeWindow(WindowId window) {
    calls_.push_back(std::string("MaximizeWindow ") + NameOf(window));
}

void RecordingPlatform::RestoreWindow(WindowId window) {
    calls_.push_back(std::string("RestoreWindow ") + NameOf(window));
    minimized_.erase(window);
}

// A view copies its selection on Ctrl+C, as the desktop's browser views do.
void RecordingPlatform::SendKeys(std::u16string_view keys) {
    calls_.push_back("SendKeys " + U16ToUtf8(keys));
    const auto selection = selections_.find(focusedControl_);
    if (keys == u"^c" && selection != selections_.end()) clipboard_[kClipboardRtf] = selection->second;
}

FontChoice RecordingPlatform::ShowFontDialog(std::u16string_view title, std::int32_t flags, const FontChoice& start) {
    calls_.push_back("ShowFontDialog [" + U16ToUtf8(title) + "] " + Number(flags) + " " + U16ToUtf8(start.FontName) +
                     " " + SizeText(start.FontSize));
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

void RecordingPlatform::SetForeground(WindowId window) {
    foreground_ = HandleOf(window);
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

std::string RecordingPlatform::FileContent(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
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
    const auto value = settings_.find(StoreKey(kTestApp, kTestSection, key));
    return value == settings_.end() ? std::u16string() : value->second;
}

bool RecordingPlatform::HasSetting(std::u16string_view key) const {
    return settings_.count(StoreKey(kTestApp, kTestSection, key)) != 0;
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
