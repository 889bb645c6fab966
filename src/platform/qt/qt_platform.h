// The platform of the desktop program on Qt: files on disk in the data
// directory, the windows' views and controls as the window views register
// them, message boxes, the clipboard, and the keyboard hook.
//
// The keyboard hook is the key hook inside the input-method framework,
// reached through a local socket: loading the library connects to it,
// installing the hook asks it for keys, freeing the library disconnects.
// The focused input context it reports stands for the foreground window, its
// thread and its focused control; characters posted to it are committed
// there and synthesized keys are forwarded to it. The program's own windows
// are in the foreground while the program is active. When no hook answers,
// keys reach the program only in its own windows, other applications cannot
// be reached, and the program says once how to enable the hook; it keeps
// trying to connect, and a hook that appears later is used.
//
// Programs started by command line stand for those of the desktop the
// system was made for: "hh.exe FILE.chm" opens the compiled help file in the
// program's own help view, "Charmap.exe" the desktop's character map
// (gucharmap or kcharselect), any other program is looked up on PATH by its
// name, also without ".exe" and in lower case. Web addresses and documents
// the browser views do not show open in the desktop's default application.
//
// Settings, the tray icons and the single running instance have their own
// classes (SettingsStore, TrayIcons, InstanceLock). No other program's
// windows or fonts are reached on this desktop: finding a window answers
// none, and broadcasting a font change or removing a font does nothing but
// say so on the log (standard error).
#pragma once

#include <QClipboard>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "hook_protocol/hook_protocol.h"
#include "platform/qt/copy_watch.h"
#include "platform/qt/hook_connection.h"
#include "platform/qt/hook_keys.h"
#include "platform/qt/instance_lock.h"
#include "platform/qt/clipboard_requests.h"
#include "platform/qt/paste_order.h"
#include "platform/qt/settings_store.h"
#include "platform/qt/tray_icons.h"

class QKeyEvent;
class QTimer;

namespace orvik {

class PageView;

// While keys come from the hook, the windows are drawn once the keys pause
// for a frame, and at least this often during a burst: a key is answered
// without waiting for the drawing of the one before it, and a burst draws
// once.
inline constexpr std::chrono::milliseconds kTypingPause{16};
inline constexpr std::chrono::milliseconds kTypingDrawEvery{50};

class QtPlatform : public Platform {
public:
    explicit QtPlatform(std::string dataDirectory);
    // With the lock the start-up has already asked about.
    QtPlatform(std::string dataDirectory, InstanceLock instance);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // What the window views register: the window with the function that
    // redraws it from its model, its browser views and its focusable
    // controls by "window.control" name, and the pop-up menu of a window.
    void RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw);
    void UnregisterWindow(WindowId id);
    void RegisterView(const std::string& name, PageView* view);
    void RegisterCandidatePage(const std::string& name, std::function<void(std::u16string_view)> draw);
    void RegisterControl(const std::string& name, QWidget* control);
    void SetPopupMenu(WindowId owner, std::function<void()> show);
    // Redraws every registered window once the current event is done.
    // Draws every window that shows `within` from now, or sooner when asked
    // for sooner.
    void ScheduleRedraw(std::chrono::milliseconds within = {});
    void RedrawWhenTypingPauses();
    void RedrawAll();
    void Redraw(WindowId window);

    // A key released in one of the program's windows, delivered as the hook
    // delivers keys: to the window NhanDien registered last.
    void KeyReleased(const QKeyEvent& event);
    void DeliverKey(HookKey key);
    // Whether the key hook answers, so keys typed in other applications
    // reach the program.
    bool HookConnected() const { return hook_.IsOpen(); }

    // Where relative "its:" files and the page file are.
    std::string DataDirectory() const { return dataDirectory_; }

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::string ProgramDirectory() override { return dataDirectory_; }
    std::string CurrentDirectory() override { return dataDirectory_; }
    void Navigate(std::string_view view, std::u16string_view address) override;
    void DrawCandidatePage(std::string_view view, std::u16string_view fragment) override;
    void GoBack(std::string_view view) override;
    void GoForward(std::string_view view) override;
    void Refresh(std::string_view view) override;
    std::u16string LocationURL(std::string_view view) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    // Buttons from the low bits of `style`; kMbExclamation adds the warning
    // icon. Closing the box answers as Cancel does, or OK when it has no
    // Cancel.
    std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) override;
    // Says so on standard error too; the notice then closes by itself.
    bool PrevInstance() override;
    std::u16string GetSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                              std::u16string_view defaultValue) override;
    void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                     std::u16string_view value) override;
    // "orvik2004.desktop" in the autostart folder under the user's
    // configuration home ($XDG_CONFIG_HOME/autostart), starting the command
    // SetAutostartCommand named; a missing entry counts as removed.
    bool SetAutostartEntry(bool present) override;
    // The program and arguments the autostart entry starts.
    void SetAutostartCommand(std::vector<std::string> command) { autostartCommand_ = std::move(command); }
    std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) override;
    void SetTraySink(TraySink* sink) override { tray_.SetSink(sink); }
    IconHandle IconOf(WindowId window) override;
    void LogLine(std::string_view line) override;
    // The tray icon a window added with a number, so a test can press it.
    QSystemTrayIcon* TrayIcon(WindowHandle window, std::uint32_t id) const { return tray_.Find(window, id); }

    void keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) override;
    void PassKeyOn() override;
    void WordPending(bool pending) override;
    bool ForegroundPastesWithCtrlV() override;
    std::int32_t PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) override;
    WindowHandle GetForegroundWindow() override;
    bool IsOwnWindow(WindowHandle window) override { return OwnsHandle(window); }
    WindowHandle GetFocus() override;
    std::int32_t NhanDien(WindowHandle target, WindowHandle owner) override;
    bool InstallKeyHook() override;
    void RemoveKeyHook() override;
    void SetKeySink(KeySink* sink) override { sink_ = sink; }
    void Sleep(std::uint32_t milliseconds) override;
    void DoEvents() override;
    // Through the desktop's default sound output; see PlayWave.
    SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) override;

    void ClipboardClear() override;
    void ClipboardSetText(std::u16string_view text, std::int32_t format) override;
    std::u16string ClipboardGetText(std::int32_t format) override;
    bool ClipboardTextCut() override { return clipboardCut_; }

    WindowHandle HandleOf(WindowId window) override { return kOwnWindows + static_cast<WindowHandle>(window); }
    void ShowWindow(WindowId window) override;
    void HideWindow(WindowId window) override;
    bool WindowVisible(WindowId window) override;
    void MinimizeWindow(WindowId window) override;
    void SetTopmost(WindowId window) override;
    void SetWindowHeight(WindowId window, std::int32_t twips) override;
    void DragWindow(WindowId window) override;
    void UnloadWindow(WindowId window) override;
    void RefreshWindow(WindowId window) override;
    void FocusControl(std::string_view control) override;
    void ShowPopupMenu(WindowId owner) override;
    void MaximizeWindow(WindowId window) override;
    void RestoreWindow(WindowId window) override;
    // The windows are drawn from their models first, so the focused control
    // holds the text the keys act on. A one-line box takes Ctrl+Home and
    // Ctrl+End, as the system sends them, as Home and End.
    void SendKeys(std::u16string_view keys) override;
    // The desktop has no printer fonts apart from its screen fonts: the flags
    // choose nothing.
    FontChoice ShowFontDialog(std::u16string_view title, std::int32_t flags, const FontChoice& start) override;
    void StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(std::string_view name) override;
    bool StartProgram(std::u16string_view commandLine) override;
    // Opens a web address or a document in the desktop's default
    // application for it.
    virtual void OpenWithDesktop(const QUrl& url);
    void Quit() override;

    // The window and focused control of "another application" while this
    // program is not active and no hook answers.
    static constexpr WindowHandle kOtherWindow = 0x1000;
    static constexpr WindowHandle kOtherFocus = 0x1001;

private:
    static constexpr WindowHandle kOwnWindows = 0x100;

    struct WindowEntry {
        QPointer<QWidget> widget;
        std::function<void()> redraw;
    };

    QWidget* Widget(WindowId window) const;
    PageView* View(std::string_view view) const;
    bool OwnsHandle(WindowHandle window) const;
    WindowHandle ActiveOwnWindow() const;
    // The foreground as the hook reports it, for the program inactive.
    WindowHandle HookForeground();
    void NoticeNoHook();
    void ConnectHook();
    void HookKeyEvent(const hook::KeyUp& key);
    void HookLost();
    void SendDelivery(const hook::Message& message);
    std::u16string SelectionRtf(QClipboard::Mode mode);
    void PutOnClipboard(const std::u16string& text, std::int32_t format);
    bool ShowHelpFile(const QString& file);

    std::string dataDirectory_;
    KeySink* sink_ = nullptr;
    WindowHandle hookTarget_ = 0;
    WindowHandle hookOwner_ = 0;
    HookConnection hook_;
    bool libraryLoaded_ = false;
    bool hookInstalled_ = false;
    hook::Focus hookFocus_;
    bool wordPending_ = false;
    hook::Seq answering_ = 0;  // the hook's key event being handled
    std::unique_ptr<ClipboardRequests> clipboardRequests_;  // X11 only
    PasteOrder paste_;
    std::unique_ptr<QTimer> reconnectTimer_;
    bool noHookNoticed_ = false;
    QPointer<QWidget> noHookNotice_;  // open until the user closes it
    std::unique_ptr<QTimer> redrawTimer_;
    bool secondStart_ = false;
    bool clipboardCut_ = false;  // the last clipboard read was cut short
    std::unique_ptr<QTimer> settingsFlush_;  // another instance runs: this one only says so and ends
    bool typingRedraw_ = false;  // the pending drawing waits for the keys to pause
    std::chrono::steady_clock::time_point typingDrawDue_;
    // Pages shown since the last drawing, drawn with the windows.
    std::map<std::string, std::u16string, std::less<>> pendingPages_;
    std::map<WindowId, WindowEntry> windows_;
    std::set<WindowId> shownWithoutView_;
    std::map<std::string, QPointer<PageView>, std::less<>> views_;
    std::map<std::string, std::function<void(std::u16string_view)>, std::less<>> candidatePages_;
    std::map<std::string, QPointer<QWidget>, std::less<>> controls_;
    std::map<WindowId, std::function<void()>> popupMenus_;
    std::map<std::string, QByteArray> clipboardFormats_;  // what this program put there since the last clear
    bool clipboardTextSet_ = false;
    CopyWatch copyWatch_;  // whether a synthesized Ctrl+C copied anything
    std::map<std::string, std::unique_ptr<QTimer>, std::less<>> timers_;
    std::unique_ptr<PageView> helpView_;  // the help viewer's window
    SettingsStore settings_;
    std::vector<std::string> autostartCommand_;
    TrayIcons tray_;
    InstanceLock instance_;
};

}  // namespace orvik
