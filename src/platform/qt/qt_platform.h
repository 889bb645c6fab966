// The platform of the desktop program on Qt: files on disk in the data
// directory, the windows' views and controls as the window views register
// them, message boxes, the clipboard, and the keys typed into the program's
// own windows delivered as the keyboard hook will deliver them.
//
// Until the key hook inside the input-method framework exists, no other
// application can be reached: the program's own window counts as the
// foreground window while the program is active (so sends stop there), and
// characters and synthesized keys for other applications are dropped with
// one notice on the error stream.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/platform.h"
#include "platform/qt/hook_keys.h"

class QKeyEvent;

namespace orvik {

class PageView;

class QtPlatform : public Platform {
public:
    explicit QtPlatform(std::string dataDirectory);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // What the window views register: the window with the function that
    // redraws it from its model, its browser views and its focusable
    // controls by "window.control" name, and the pop-up menu of a window.
    void RegisterWindow(WindowId id, QWidget* window, std::function<void()> redraw);
    void UnregisterWindow(WindowId id);
    void RegisterView(const std::string& name, PageView* view);
    void RegisterControl(const std::string& name, QWidget* control);
    void SetPopupMenu(WindowId owner, std::function<void()> show);
    // Told when a window has been unloaded.
    void SetUnloadHandler(std::function<void(WindowId)> handler);
    // Redraws every registered window once the current event is done.
    void ScheduleRedraw();
    void RedrawAll();

    // A key released in one of the program's windows, delivered as the hook
    // delivers keys: to the window NhanDien registered last.
    void KeyReleased(const QKeyEvent& event);
    void DeliverKey(HookKey key);

    // Where relative "its:" files and the page file are.
    std::string DataDirectory() const { return dataDirectory_; }

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::string ProgramDirectory() override { return dataDirectory_; }
    std::string CurrentDirectory() override { return dataDirectory_; }
    void Navigate(std::string_view view, std::u16string_view address) override;
    void MessageBox(std::u16string_view text, std::u16string_view caption) override;

    void keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) override;
    std::int32_t PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                              std::int32_t lParam) override;
    WindowHandle GetForegroundWindow() override;
    ThreadId GetWindowThreadProcessId(WindowHandle window) override;
    ThreadId GetCurrentThreadId() override { return kOwnThread; }
    bool AttachThreadInput(ThreadId, ThreadId, bool) override { return false; }
    WindowHandle GetFocus() override;
    WindowHandle SetFocus(WindowHandle) override { return 0; }
    std::int32_t NhanDien(WindowHandle target, WindowHandle owner) override;
    void SetKeySink(KeySink* sink) override { sink_ = sink; }

    void ClipboardClear() override;
    void ClipboardSetText(std::u16string_view text, std::int32_t format) override;
    std::u16string ClipboardGetText(std::int32_t format) override;

    WindowHandle HandleOf(WindowId window) override { return kOwnWindows + static_cast<WindowHandle>(window); }
    void ShowWindow(WindowId window) override;
    void HideWindow(WindowId window) override;
    bool WindowVisible(WindowId window) override;
    void MinimizeWindow(WindowId window) override;
    void SetTopmost(WindowId window) override;
    void DragWindow(WindowId window) override;
    void UnloadWindow(WindowId window) override;
    void FocusControl(std::string_view control) override;
    void ShowPopupMenu(WindowId owner) override;

    // The window and focused control of "another application" while this
    // program is not active, and the thread that owns them.
    static constexpr WindowHandle kOtherWindow = 0x1000;
    static constexpr WindowHandle kOtherFocus = 0x1001;
    static constexpr ThreadId kOwnThread = 1;
    static constexpr ThreadId kOtherThread = 2;

private:
    static constexpr WindowHandle kOwnWindows = 0x100;

    struct WindowEntry {
        QPointer<QWidget> widget;
        std::function<void()> redraw;
    };

    QWidget* Widget(WindowId window) const;
    bool OwnsHandle(WindowHandle window) const;
    WindowHandle ActiveOwnWindow() const;
    void NoticeNoHook();

    std::string dataDirectory_;
    KeySink* sink_ = nullptr;
    WindowHandle hookTarget_ = 0;
    WindowHandle hookOwner_ = 0;
    bool noHookNoticed_ = false;
    bool redrawPending_ = false;
    std::unique_ptr<QObject> timerContext_;  // cancels a pending redraw on destruction
    std::map<WindowId, WindowEntry> windows_;
    std::set<WindowId> shownWithoutView_;
    std::map<std::string, QPointer<PageView>, std::less<>> views_;
    std::map<std::string, QPointer<QWidget>, std::less<>> controls_;
    std::map<WindowId, std::function<void()>> popupMenus_;
    std::function<void(WindowId)> unloadHandler_;
    std::map<std::string, QByteArray> clipboardFormats_;  // what this program put there since the last clear
};

}  // namespace orvik
