// The desktop of a test, every role in one: the files, page views,
// dialogs, settings, notification area and sound device of their own
// doubles, which tests needing only one role take alone, and the rest,
// which play one desktop together: the program's own windows, the hook,
// the clipboard, the event loop and the application in the foreground,
// which receives what the program sends: tests read what it ends up with
// instead of the calls that sent it. Every call is recorded as one
// readable line, in one log for all roles.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "doubles/answered_dialogs.h"
#include "doubles/kept_sounds.h"
#include "doubles/memory_files.h"
#include "doubles/memory_settings.h"
#include "doubles/notification_area.h"
#include "doubles/shown_pages.h"
#include "doubles/value_of.h"
#include "platform/platform.h"

namespace orvik {

// The log of every role's calls, made before the roles that write to it.
struct CallLog {
    std::vector<std::string> calls;
};

class RecordingPlatform : private CallLog,
                          public Platform,
                          public MemoryFiles,
                          public ShownPages,
                          public AnsweredDialogs,
                          public MemorySettings,
                          public NotificationArea,
                          public KeptSounds {
public:
    // Files under `programDirectory` are read from the disk unless the test
    // set them; the current directory is a directory of memory only.
    explicit RecordingPlatform(std::string programDirectory = "/program", std::string currentDirectory = "/current");

    bool PrevInstance() override;

    void keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) override;
    void PassKeyOn() override;
    void WordPending(bool pending) override { wordPending_ = pending; }
    bool WordPendingReported() const { return wordPending_; }
    bool ForegroundPastesWithCtrlV() override { return foregroundPastes_; }
    void SetForegroundPastes(bool pastes) { foregroundPastes_ = pastes; }
    std::int32_t PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) override;
    WindowHandle GetForegroundWindow() override;
    bool IsOwnWindow(WindowHandle window) override;
    WindowHandle GetFocus() override;
    std::int32_t NhanDien(WindowHandle target, WindowHandle owner) override;
    bool InstallKeyHook() override;
    void RemoveKeyHook() override;
    void Sleep(std::uint32_t milliseconds) override;
    // Runs what the test gave OnDoEvents, as the events waiting then.
    void DoEvents() override;
    void SetKeySink(KeySink* sink) override { sink_ = sink; }
    void ClipboardClear() override;
    void ClipboardSetText(std::u16string_view text, std::int32_t format) override;
    std::u16string ClipboardGetText(std::int32_t format) override;
    bool ClipboardTextCut() override { return clipboardCut_; }
    // The clipboard's owner offers more than is read.
    void SetClipboardCut(bool cut) { clipboardCut_ = cut; }
    WindowHandle HandleOf(WindowId window) override { return 1001 + static_cast<WindowHandle>(window); }
    void ShowWindow(WindowId window) override;
    void HideWindow(WindowId window) override;
    bool WindowVisible(WindowId window) override { return visible_.count(window) != 0; }
    void MinimizeWindow(WindowId window) override;
    void SetTopmost(WindowId window) override;
    void SetWindowHeight(WindowId window, std::int32_t) override { Record("SetWindowHeight", window); }
    void DragWindow(WindowId window) override { Record("DragWindow", window); }
    void UnloadWindow(WindowId window) override;
    void RefreshWindow(WindowId window) override { Record("RefreshWindow", window); }
    void FocusControl(std::string_view control) override;
    void ShowPopupMenu(WindowId owner) override;
    void MaximizeWindow(WindowId window) override { Record("MaximizeWindow", window); }
    void RestoreWindow(WindowId window) override;
    void SendKeys(std::u16string_view keys) override;
    void StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(std::string_view name) override;
    bool StartProgram(std::u16string_view commandLine) override;
    void Quit() override;

    // Another application in the foreground: its window and focused control.
    void SetForeground(WindowHandle window, WindowHandle focus);
    // One of the program's own windows in the foreground.
    void SetForeground(WindowId window) { foreground_ = HandleOf(window); }

    // Delivers a key as the hook does: a command code to the owner NhanDien
    // named, any other key to its target (to the owner while there is
    // none); answers the key code as the handler left it.
    std::int16_t DeliverKey(std::int16_t keyCode, std::int16_t shift = 0);
    // Runs one tick of a running timer; false when it is not running.
    bool FireTimer(std::string_view name);
    bool TimerRunning(std::string_view name) const { return timers_.count(std::string(name)) != 0; }
    // A command line that cannot be started, as a program missing from the
    // desktop.
    void RefuseProgram(std::u16string commandLine) { refused_.insert(std::move(commandLine)); }

    // Another instance of the program runs.
    void SetOtherInstance(bool running) { otherInstance_ = running; }

    // Text selected in a view, as RTF: Ctrl+C sent by SendKeys while the
    // view has the focus (FocusControl) puts it on the clipboard.
    void SelectInView(std::string_view view, std::u16string rtf) { selections_[std::string(view)] = std::move(rtf); }

    // What the clipboard holds in `format`.
    std::u16string Clipboard(std::int32_t format) const { return ValueOf(clipboard_, format); }

    // What happens, as the user's doing, each time the program lets pending
    // events run.
    void OnDoEvents(std::function<void()> events) { onDoEvents_ = std::move(events); }

    const std::vector<std::string>& Calls() const { return calls; }
    void ClearCalls() { calls.clear(); }

    // The application in the foreground, seen from its side. Its focused
    // control holds a text: the characters posted to it are added; keys
    // synthesized while it is in the foreground type there (Space, comma,
    // period; Ctrl+V pastes the plain text of what the clipboard holds at
    // that moment, Ctrl+C copies its selection); the keys the hook passes
    // on arrive as typed (Backspace deletes, Enter and Tab type themselves).
    std::u16string ReceivedText() const { return TextOf(focus_); }
    std::u16string TextOf(WindowHandle control) const { return ValueOf(received_, control); }
    void SetReceivedText(std::u16string text) { received_[focus_] = std::move(text); }
    // The keys the hook passed on to the application, in order.
    const std::vector<std::int16_t>& PassedKeys() const { return passed_; }
    // What each Ctrl+V pasted, as plain text.
    const std::vector<std::u16string>& Pastes() const { return pastes_; }
    // Synthesized keys pressed and not released.
    const std::set<std::uint8_t>& HeldKeys() const { return held_; }
    // The application's selection as RTF: a Ctrl+C it receives puts it on
    // the clipboard once the program waits (Sleep or DoEvents).
    void SelectInForeground(std::u16string rtf) { foregroundSelection_ = std::move(rtf); }
    int CopiesReceived() const { return copies_; }
    // The user holds Ctrl down: a synthesized C copies as Ctrl+C does.
    void HoldCtrl(bool held) { userCtrl_ = held; }
    // The milliseconds the program slept, in all.
    std::uint32_t SleptMs() const { return slept_; }

    // What the program showed and did, from the desktop's side.
    const std::vector<std::u16string>& StartedPrograms() const { return started_; }
    int PopupMenusShown() const { return popupMenus_; }
    bool Minimized(WindowId window) const { return minimized_.count(window) != 0; }
    bool Topmost(WindowId window) const { return topmost_.count(window) != 0; }
    const std::string& FocusedControl() const { return focusedControl_; }
    bool HookInstalled() const { return hookInstalled_; }
    WindowHandle HookTarget() const { return hookTarget_; }
    int QuitRequests() const { return quits_; }

private:
    // Recorded as the call and the window's name.
    void Record(std::string_view call, WindowId window);
    // A copy the application was asked for lands on the clipboard while the
    // program waits.
    void LandCopy();
    void TypeInForeground(std::int16_t key, bool shift);
    WindowHandle KeyTarget();

    bool clipboardCut_ = false;
    std::map<std::int32_t, std::u16string> clipboard_;
    std::map<std::string, std::u16string, std::less<>> selections_;
    std::string focusedControl_;
    std::set<WindowId> visible_;
    WindowHandle foreground_ = 0;
    bool wordPending_ = false;
    bool foregroundPastes_ = true;
    WindowHandle focus_ = 0;
    WindowHandle hookTarget_ = 0;
    WindowHandle hookOwner_ = 0;
    KeySink* sink_ = nullptr;
    std::map<std::string, std::function<void()>> timers_;
    std::set<std::u16string> refused_;
    bool otherInstance_ = false;
    std::function<void()> onDoEvents_;
    std::map<WindowHandle, std::u16string> received_;
    std::vector<std::int16_t> passed_;
    std::vector<std::u16string> pastes_;
    std::set<std::uint8_t> held_;
    std::u16string foregroundSelection_;
    bool copyPending_ = false;
    int copies_ = 0;
    bool userCtrl_ = false;
    std::uint32_t slept_ = 0;
    std::int16_t deliveredKey_ = 0;
    std::int16_t deliveredShift_ = 0;
    std::vector<std::u16string> started_;
    int popupMenus_ = 0;
    std::set<WindowId> minimized_;
    std::set<WindowId> topmost_;
    bool hookInstalled_ = false;
    int quits_ = 0;
};

}  // namespace orvik
