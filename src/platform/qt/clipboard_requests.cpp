#include "platform/qt/clipboard_requests.h"

#include <QGuiApplication>
#include <xcb/res.h>

#include <utility>

#include "platform/qt/xcb_reply.h"

namespace orvik {

namespace {

// The input focus when no window has it, or when it follows the pointer.
constexpr xcb_window_t kFocusNone = XCB_NONE;
constexpr xcb_window_t kFocusPointerRoot = XCB_INPUT_FOCUS_POINTER_ROOT;

// The process of the client that made `window`; none when the server does
// not know it. Only the process is asked for, so each answer is one.
std::optional<std::uint32_t> ProcessOf(xcb_connection_t* c, xcb_window_t window) {
    const xcb_res_client_id_spec_t client{window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
    const XcbReply<xcb_res_query_client_ids_reply_t> reply(
        xcb_res_query_client_ids_reply(c, xcb_res_query_client_ids(c, 1, &client), nullptr));
    if (!reply) return std::nullopt;
    for (auto it = xcb_res_query_client_ids_ids_iterator(reply.get()); it.rem > 0; xcb_res_client_id_value_next(&it))
        if (xcb_res_client_id_value_value_length(it.data) >= 1) return *xcb_res_client_id_value_value(it.data);
    return std::nullopt;
}

}  // namespace

bool FromFocusedProcess(xcb_connection_t* c, xcb_window_t requestor) {
    const xcb_query_extension_reply_t* resource = xcb_get_extension_data(c, &xcb_res_id);
    if (resource == nullptr || resource->present == 0) return true;
    const XcbReply<xcb_get_input_focus_reply_t> focus(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    if (!focus || focus->focus == kFocusNone || focus->focus == kFocusPointerRoot) return true;
    const auto focused = ProcessOf(c, focus->focus);
    const auto asking = ProcessOf(c, requestor);
    return !focused || !asking || *focused == *asking;
}

std::unique_ptr<ClipboardRequests> ClipboardRequests::OnThisDisplay() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
    return std::unique_ptr<ClipboardRequests>(new ClipboardRequests(x11->connection()));
}

ClipboardRequests::ClipboardRequests(xcb_connection_t* c)
    : c_(c), clipboard_(InternAtom(c, "CLIPBOARD")), targets_(InternAtom(c, "TARGETS")) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

ClipboardRequests::~ClipboardRequests() {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
}

// Only requests for the data count: an application asks which formats
// there are (TARGETS) before it fetches one. The focused application's
// request is served whatever time it names: a GTK 3 application on a busy
// machine names the time of the last event it had handled, older than the
// moment the program took the clipboard for this paste, and Qt refuses a
// request older than that ("SelectionRequest too old"): the pasted word
// never landed.
bool ClipboardRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    auto* event = static_cast<xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_SELECTION_REQUEST) return false;
    auto* request = reinterpret_cast<xcb_selection_request_event_t*>(event);
    if (request->selection != clipboard_) return false;
    const bool fromFocus = FromFocusedProcess(c_, request->requestor);
    if (fromFocus) request->time = XCB_CURRENT_TIME;
    if (request->target != targets_) fromFocus_ = fromFocus;
    return false;
}

std::optional<bool> ClipboardRequests::TakeFromFocus() {
    return std::exchange(fromFocus_, std::nullopt);
}

}  // namespace orvik
