// The platform of the desktop program on Qt, put together from the
// implementations of single roles (files, page views, dialogs, settings,
// tray, timers, sound, programs), and playing itself the roles that meet in
// the foreground: the program's own windows as the window views register
// them, the keys, the keyboard hook and the clipboard.
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
// No other program's windows or fonts are reached on this desktop: finding
// a window answers none.
#pragma once

#include <QClipboard>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "hook_protocol/hook_protocol.h"
#include "platform/platform.h"
#include "platform/qt/browser_pages.h"
#include "platform/qt/clipboard_requests.h"
#include "platform/qt/copy_watch.h"
#include "platform/qt/data_folder_files.h"
#include "platform/qt/desktop_dialogs.h"
#include "platform/qt/desktop_programs.h"
#include "platform/qt/desktop_sound.h"
#include "platform/qt/desktop_tray.h"
#include "platform/qt/hook_connection.h"
#include "platform/qt/hook_keys.h"
#include "platform/qt/instance_lock.h"
#include "platform/qt/paste_order.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/stored_settings.h"

class QKeyEvent;
class QTimer;

namespace orvik {

// While keys come from the hook, the windows are drawn once the keys pause
// for a frame, and at least this often during a burst: a key is answered
// without waiting for the drawing of the one before it, and a burst draws
// once.
inline constexpr std::chrono::milliseconds kTypingPause{16};
inline constexpr std::chrono::milliseconds kTypingDrawEvery{50};

class QtPlatform : public Platform,
                   public DataFolderFiles,
                   public BrowserPages,
                   public DesktopDialogs,
                   public StoredSettings,
                   public DesktopTray,
                   public QtEventLoop,
                   public DesktopSound,
                   public DesktopPrograms {
public:
    explicit QtPlatform(std::string dataDirectory);
    // With the lock the start-up has already asked about.
    QtPlatform(std::string dataDirectory, InstanceLock instance);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // What the window views register besides their page views: the window
    // with the function that redraws it from its model, its focusable
    // controls by "window.control" name, and the pop-up menu of a window.
    void RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw);
    void UnregisterWindow(WindowId id);
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
    bool clipboardCut_ = false;  // the last clipboard read was cut short
    bool typingRedraw_ = false;  // the pending drawing waits for the keys to pause
    std::chrono::steady_clock::time_point typingDrawDue_;
    std::map<WindowId, WindowEntry> windows_;
    std::set<WindowId> shownWithoutView_;
    std::map<std::string, QPointer<QWidget>, std::less<>> controls_;
    std::map<WindowId, std::function<void()>> popupMenus_;
    std::map<std::string, QByteArray> clipboardFormats_;  // what this program put there since the last clear
    bool clipboardTextSet_ = false;
    CopyWatch copyWatch_;  // whether a synthesized Ctrl+C copied anything
};

}  // namespace orvik
