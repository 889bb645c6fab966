// The desktop of a run without one (the command-line tool, benchmarks): no
// other application and no keyboard hook is there, so the program's own main
// window is always in the foreground and sends stop there; the clipboard
// lives in memory; the windows only remember whether they are shown. With no
// event loop, timers never tick, no event waits and there is nothing to quit; no keys reach
// a focused window, the font dialog answers as cancelled and no program can
// be started. There is no notification area and no other program's window;
// settings live in memory for the run, another instance never counts, and
// the log is standard error. Files on disk are renamed and deleted for real;
// reading, writing, views and messages are left to the implementation.
#pragma once

#include <map>
#include <set>

#include "platform/platform.h"

namespace orvik {

class HeadlessDesktop : public Platform {
public:
    void keybd_event(std::uint8_t, std::uint8_t, std::uint32_t) override {}
    void PassKeyOn() override {}
    void WordPending(bool) override {}
    bool ForegroundPastesWithCtrlV() override { return true; }
    std::int32_t PostMessageW(WindowHandle, std::uint32_t, std::uint32_t, std::int32_t) override { return 0; }
    WindowHandle GetForegroundWindow() override { return HandleOf(WindowId::OrvikU); }
    // No other application runs here: every window is the program's.
    bool IsOwnWindow(WindowHandle window) override { return window != 0; }
    WindowHandle GetFocus() override { return 0; }
    std::int32_t NhanDien(WindowHandle, WindowHandle) override { return 0; }
    bool InstallKeyHook() override { return false; }
    void RemoveKeyHook() override {}
    void Sleep(std::uint32_t milliseconds) override;
    void DoEvents() override {}
    // With no sound device, a clip whose WAVE header reads counts as played
    // at once.
    SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) override;
    void SetKeySink(KeySink*) override {}
    void ClipboardClear() override { clipboard_.clear(); }
    void ClipboardSetText(std::u16string_view text, std::int32_t format) override;
    std::u16string ClipboardGetText(std::int32_t format) override;
    bool ClipboardTextCut() override { return false; }
    WindowHandle HandleOf(WindowId window) override { return 1 + static_cast<WindowHandle>(window); }
    void ShowWindow(WindowId window) override { visible_.insert(window); }
    void HideWindow(WindowId window) override { visible_.erase(window); }
    bool WindowVisible(WindowId window) override { return visible_.count(window) != 0; }
    void MinimizeWindow(WindowId) override {}
    void SetTopmost(WindowId) override {}
    void SetWindowHeight(WindowId, std::int32_t) override {}
    void DragWindow(WindowId) override {}
    void UnloadWindow(WindowId window) override { visible_.erase(window); }
    void RefreshWindow(WindowId) override {}
    void FocusControl(std::string_view) override {}
    void ShowPopupMenu(WindowId) override {}
    void MaximizeWindow(WindowId) override {}
    void RestoreWindow(WindowId) override {}
    void SendKeys(std::u16string_view) override {}
    // The views show nothing, so they have no history and no location.
    void GoBack(std::string_view) override {}
    void GoForward(std::string_view) override {}
    void Refresh(std::string_view) override {}
    std::u16string LocationURL(std::string_view) override { return {}; }
    void DrawCandidatePage(std::string_view view, std::u16string_view fragment) override {
        pages_[std::string(view)] = std::u16string(fragment);
    }
    // The fragment last drawn in a candidate page view.
    std::u16string DrawnPage(std::string_view view) const {
        const auto found = pages_.find(view);
        return found == pages_.end() ? std::u16string() : found->second;
    }
    FontChoice ShowFontDialog(std::u16string_view, const FontChoice& start) override { return start; }
    void StartTimer(std::string_view, std::uint32_t, std::function<void()>) override {}
    void StopTimer(std::string_view) override {}
    bool StartProgram(std::u16string_view) override { return false; }
    void Quit() override {}
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    bool PrevInstance() override { return false; }
    std::u16string GetSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) override;
    void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    // No desktop session starts a run without a desktop.
    bool SetAutostartEntry(bool) override { return false; }
    std::int32_t Shell_NotifyIconA(std::uint32_t, const NotifyIconData&) override { return 0; }
    void SetTraySink(TraySink*) override {}
    IconHandle IconOf(WindowId) override { return 0; }
    void LogLine(std::string_view line) override;

private:
    std::map<std::int32_t, std::u16string> clipboard_;
    std::set<WindowId> visible_;
    std::map<std::string, std::u16string, std::less<>> pages_;
    std::map<std::u16string, std::u16string> settings_;
};

}  // namespace orvik
