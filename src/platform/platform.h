// The one interface through which the windows and the shared module reach the
// desktop: files, browser views, message boxes. The desktop program and the
// command-line tool implement it; tests use the recording fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "codes/desktop_codes.h"
#include "formats/file_contents.h"
#include "formats/notify_icon_data.h"

namespace orvik {

// Windows of other applications and of this program (WindowHandle), and
// the threads that own them. 0 is no window.
using ThreadId = std::uint32_t;

// The program's own windows, as the platform draws them.
enum class WindowId { OrvikU, HVTNP, WPopup, CauHinh, QXAbout };

// Where the key events of the keyboard hook go: the window that the last
// NhanDien call registered, or its owner when the target is 0. `keyCode` may
// be set to 0 by the handler.
class KeySink {
public:
    virtual ~KeySink() = default;
    // Key event `number` of the hook is about to be handled.
    virtual void KeyArrives(std::uint64_t number) = 0;
    virtual void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) = 0;
    // The hook gave key event `number` to the application while it waited
    // for this program: what handling it did is undone.
    virtual void KeyGivenBack(std::uint64_t number) = 0;
};

// Where the notifications of the tray icons go: a press of the left or the
// right button (kWmLButtonDown, kWmRButtonDown) on the icon that `window`
// added with `id`.
class TraySink {
public:
    virtual ~TraySink() = default;
    virtual void TrayNotification(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) = 0;
};

// Whether a sound was played through to its end, and why not.
struct SoundResult {
    bool played = false;
    std::string reason;  // what refused the sound, when !played
};

// A font as the font dialog gives it: face name and point size.
struct FontChoice {
    std::u16string FontName;
    float FontSize = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Files. Paths are UTF-8; directories come without a trailing "/".
    virtual FileBytes ReadFile(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
    virtual std::string ProgramDirectory() = 0;
    virtual std::string CurrentDirectory() = 0;

    // Browser views, named "window.control" ("HVTNP.WebBrowser1").
    virtual void Navigate(std::string_view view, std::u16string_view address) = 0;
    // Shows a candidate page fragment in its view ("HVTNP.WebBrowser1",
    // "OrvikU.WebBrowser2"), drawn from memory; an empty one clears it.
    virtual void DrawCandidatePage(std::string_view view, std::u16string_view fragment) = 0;
    // The view's history: the page before, the page after, the page on
    // display loaded again. Nothing where the history has no such page.
    virtual void GoBack(std::string_view view) = 0;
    virtual void GoForward(std::string_view view) = 0;
    virtual void Refresh(std::string_view view) = 0;
    // The address of the page on display, however the view came to it (the
    // program, a followed link, its history); empty when it shows none.
    virtual std::u16string LocationURL(std::string_view view) = 0;

    // Renames a file; false when the source is missing or the target exists.
    virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
    // Deletes a file; false when it cannot.
    virtual bool DeleteFile(const std::string& path) = 0;

    // A modal message box with the buttons and icon of `style` (kMbOkOnly,
    // kMbOkCancel, kMbExclamation); answers the button pressed (kIdOk,
    // kIdCancel).
    virtual std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) = 0;
    // A message box with its OK button only.
    void MessageBox(std::u16string_view text, std::u16string_view caption) { MsgBox(text, kMbOkOnly, caption); }

    // Whether another instance of the program runs for this user. The first
    // answer is kept: an instance that answers false stays the one running.
    virtual bool PrevInstance() = 0;

    // The per-user settings store: text values by application, section and
    // key; a key never written reads as `defaultValue`.
    virtual std::u16string GetSetting(std::u16string_view appName, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view defaultValue) = 0;
    virtual void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                             std::u16string_view value) = 0;
    // The user's entry that starts this program with the desktop session,
    // quietly into the notification area (on this desktop, a file of the
    // XDG autostart folder): written when `present`, removed otherwise.
    // False when the desktop refuses; the reason goes to the log.
    virtual bool SetAutostartEntry(bool present) = 0;

    // Adds (kNimAdd) or deletes (kNimDelete) the tray icon the record names
    // by hWnd and uID; nonzero on success. The icons' presses reach the tray
    // sink.
    virtual std::int32_t Shell_NotifyIconA(std::uint32_t message, const NotifyIconData& data) = 0;
    virtual void SetTraySink(TraySink* sink) = 0;
    // The icon of one of the program's own windows.
    virtual IconHandle IconOf(WindowId window) = 0;

    // Delivers a message to a window and waits for the answer.
    virtual std::int32_t SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                      std::int32_t lParam) = 0;
    // Removes a font the program added to the desktop's fonts.
    virtual std::int32_t RemoveFontResourceA(std::string_view fontFile) = 0;

    // A line for whoever reads the program's log (standard error): what it
    // noticed and worked around, such as a damaged setting.
    virtual void LogLine(std::string_view line) = 0;

    // Keys and text to the application in the foreground. Synthesized keys
    // reach it without coming back to this program as new input.
    virtual void keybd_event(std::uint8_t key, std::uint8_t scan, std::uint32_t flags) = 0;
    // Whether the application in the foreground pastes on Ctrl+V; terminals
    // take it as a control character.
    virtual bool ForegroundPastesWithCtrlV() = 0;
    // The key being handled is the application's after all: it reaches the
    // application as it was typed, after what was sent before it. Nothing
    // when the key did not come from another application.
    virtual void PassKeyOn() = 0;
    // Whether the candidate window holds a typed word: the keys that end a
    // word (Enter, Tab, a symbol) are then its, to send the word first.
    virtual void WordPending(bool pending) = 0;
    virtual std::int32_t PostMessageW(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                      std::int32_t lParam) = 0;
    virtual WindowHandle GetForegroundWindow() = 0;
    virtual ThreadId GetWindowThreadProcessId(WindowHandle window) = 0;
    virtual ThreadId GetCurrentThreadId() = 0;
    virtual bool AttachThreadInput(ThreadId from, ThreadId to, bool attach) = 0;
    virtual WindowHandle GetFocus() = 0;
    virtual WindowHandle SetFocus(WindowHandle window) = 0;

    // The key hook. NhanDien names the window that receives the hook's keys
    // (0: none but the command codes, which go to the owner, the main
    // window) and reaches the hook on first use; InstallKeyHook then has it
    // take keys for the program (false when NhanDien never reached it), and
    // RemoveKeyHook, at the end, stops that and leaves the hook.
    virtual std::int32_t NhanDien(WindowHandle target, WindowHandle owner) = 0;
    virtual bool InstallKeyHook() = 0;
    virtual void RemoveKeyHook() = 0;
    virtual void SetKeySink(KeySink* sink) = 0;

    // The clipboard, in the RTF format or as plain text; 8-bit text holds
    // one character per byte.
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(std::u16string_view text, std::int32_t format) = 0;
    virtual std::u16string ClipboardGetText(std::int32_t format) = 0;
    // Whether the text ClipboardGetText last read was cut short: its owner
    // offered more than is read, or did not hand it all over in time.
    virtual bool ClipboardTextCut() = 0;

    // The program's own windows.
    virtual WindowHandle HandleOf(WindowId window) = 0;
    virtual void ShowWindow(WindowId window) = 0;
    virtual void HideWindow(WindowId window) = 0;
    virtual bool WindowVisible(WindowId window) = 0;
    virtual void MinimizeWindow(WindowId window) = 0;
    virtual void SetTopmost(WindowId window) = 0;  // SetWindowPos HWND_TOPMOST, neither moved nor sized
    // The window's outer height, in twips; the screen still holds it all.
    virtual void SetWindowHeight(WindowId window, std::int32_t twips) = 0;
    virtual void DragWindow(WindowId window) = 0;  // ReleaseCapture, then drag by the caption
    virtual void UnloadWindow(WindowId window) = 0;
    // Draws a window from its model at once, so that a change shows before
    // a long call (playing a clip) holds the thread.
    virtual void RefreshWindow(WindowId window) = 0;
    // Gives the keyboard focus to a control, named "window.control".
    virtual void FocusControl(std::string_view control) = 0;
    // Shows the main window's menu as a pop-up menu at the mouse.
    virtual void ShowPopupMenu(WindowId owner) = 0;
    virtual void MaximizeWindow(WindowId window) = 0;
    // Gives a window the normal state: neither minimized nor maximized.
    virtual void RestoreWindow(WindowId window) = 0;
    // Sends a key string to the program's own focused window and waits until
    // it is processed. A key is its character or "{NAME}" ("{END}"), after
    // any of "^" Ctrl, "+" Shift, "%" Alt: "^{END}" is Ctrl+End, "^c" Ctrl+C.
    virtual void SendKeys(std::u16string_view keys) = 0;
    // The modal font dialog (`flags` as the desktop's font dialog takes
    // them): the chosen font, or `start` when the user cancels.
    virtual FontChoice ShowFontDialog(std::u16string_view title, std::int32_t flags, const FontChoice& start) = 0;

    // A periodic timer of a window, named "window.control" ("QXAbout.Timer1"):
    // `tick` runs on the user-interface thread every `intervalMs` until the
    // timer is stopped. Starting a timer again replaces it.
    virtual void StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(std::string_view name) = 0;

    // Starts a command line ("Charmap.exe", "hh.exe orvhelp.chm") in a normal
    // window with the focus and does not wait for it. False when it cannot be
    // started.
    virtual bool StartProgram(std::u16string_view commandLine) = 0;
    // Ends the process once the event being handled is done.
    virtual void Quit() = 0;

    // Blocks the program for `milliseconds`.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Lets the events waiting for the user-interface thread run (presses,
    // repaints, timers) and returns: a long operation stays responsive, and
    // a handler may run again inside it.
    virtual void DoEvents() = 0;

    // Plays a sound and returns when it has been played. With kSndMemory,
    // the only flag the program uses, `sound` is a complete RIFF WAVE file
    // held in memory.
    virtual SoundResult sndPlaySoundA(std::string_view sound, std::uint32_t flags) = 0;

    // A file's lines, and its whole text, decoded as `encoding` says.
    FileLines ReadLines(const std::string& path, FileEncoding encoding);
    FileText ReadText(const std::string& path, FileEncoding encoding);
};

// The caption of the system's messages.
inline constexpr std::u16string_view kMessageCaption = u"Việt Orvik thông báo";

// The record that adds or removes the tray icon of one of the program's
// windows: its number 1, its icon, the tip, and notifications as mouse
// moves of the window.
NotifyIconData WindowTrayIconRecord(Platform& platform, WindowId window, std::u16string_view tip);

// Ctrl+C to the application in the foreground, as four key events: Ctrl
// down, C down, C up, Ctrl up.
void SendCopyKeys(Platform& platform);

// A file's text: 8-bit text one character per byte; UTF-8 as UTF-8, also
// when a few of its bytes are bad (they read as U+FFFD and are counted in
// `badBytes`); text that is mostly not UTF-8 one character per byte.
struct DecodedText {
    std::u16string text;
    std::size_t badBytes = 0;
};
DecodedText DecodeFileText(std::string_view bytes, FileEncoding encoding);

// Lines ended by CR LF or LF; a last line without an ending counts, an empty
// tail after the last ending does not.
std::vector<std::u16string> SplitLines(std::u16string_view text);

}  // namespace orvik
