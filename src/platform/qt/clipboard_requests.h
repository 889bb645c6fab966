// Whether a request for the program's clipboard comes from the application
// the user writes in. A clipboard watcher (fcitx5's own clipboard, a
// desktop's clipboard history) fetches each new content as soon as it is
// set; counted as the paste, its fetch let the next pick replace the
// clipboard before the application had pasted: "chào⏎𠬠" landed as
// "⏎𠬠𠬠" in a GTK entry on a loaded machine. On X11 the server names the
// process behind every window (the X-Resource extension), so a request is
// the application's when it comes from the process of the window with the
// keyboard focus.
#pragma once

#include <QAbstractNativeEventFilter>
#include <xcb/xcb.h>

#include <memory>
#include <optional>

namespace orvik {

// Whether `requestor` belongs to the process of the window with the
// keyboard focus; true when either cannot be told (no focus window, no
// X-Resource extension, a client of another machine).
bool FromFocusedProcess(xcb_connection_t* c, xcb_window_t requestor);

// Watches the requests for the CLIPBOARD the program serves; Qt answers
// each right after, reading the program's content. The focused
// application's requests are answered whatever time they name.
class ClipboardRequests : public QAbstractNativeEventFilter {
public:
    // None when the application does not run on X11.
    static std::unique_ptr<ClipboardRequests> OnThisDisplay();
    ~ClipboardRequests() override;
    ClipboardRequests(const ClipboardRequests&) = delete;
    ClipboardRequests& operator=(const ClipboardRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // Whether the request being answered comes from the focused
    // application; none when no request is being answered (the program
    // read its own clipboard). Told once.
    std::optional<bool> TakeFromFocus();

private:
    explicit ClipboardRequests(xcb_connection_t* c);

    xcb_connection_t* c_;
    xcb_atom_t clipboard_;
    xcb_atom_t targets_;
    std::optional<bool> fromFocus_;
};

}  // namespace orvik
