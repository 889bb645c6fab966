#include "platform/qt/x11_selection.h"

#include "platform/qt/xcb_reply.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace orvik {

namespace {

using Clock = std::chrono::steady_clock;

class Connection {
public:
    Connection() : c_(xcb_connect(nullptr, nullptr)) {}
    ~Connection() { xcb_disconnect(c_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool ok() const { return xcb_connection_has_error(c_) == 0; }
    xcb_connection_t* get() const { return c_; }

    xcb_atom_t Atom(std::string_view name) { return InternAtom(c_, name); }

    // The next event until `deadline`, or none.
    XcbReply<xcb_generic_event_t> NextEvent(Clock::time_point deadline) {
        for (;;) {
            if (xcb_generic_event_t* event = xcb_poll_for_event(c_)) return XcbReply<xcb_generic_event_t>(event);
            if (!ok()) return nullptr;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return nullptr;
            pollfd readable{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&readable, 1, static_cast<int>(left) + 1);
        }
    }

private:
    xcb_connection_t* c_;
};

// A window of the reader's own, to receive the selection's answers.
xcb_window_t MakeWindow(Connection& x) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x.get())).data;
    const xcb_window_t window = xcb_generate_id(x.get());
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(x.get(), XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    return window;
}

// Asks for `target` into `property`; true when the owner answered with it.
bool Convert(Connection& x, xcb_window_t window, xcb_atom_t selection, xcb_atom_t target, xcb_atom_t property,
             Clock::time_point deadline) {
    xcb_convert_selection(x.get(), window, selection, target, property, XCB_CURRENT_TIME);
    xcb_flush(x.get());
    while (auto event = x.NextEvent(deadline)) {
        if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY) continue;
        const auto* notify = reinterpret_cast<const xcb_selection_notify_event_t*>(event.get());
        if (notify->requestor == window && notify->selection == selection) return notify->property == property;
    }
    return false;
}

XcbReply<xcb_get_property_reply_t> Property(Connection& x, xcb_window_t window, xcb_atom_t property, bool remove,
                                         std::size_t limit) {
    const auto words = static_cast<std::uint32_t>(limit / 4 + 1);
    const auto cookie = xcb_get_property(x.get(), remove ? 1 : 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, words);
    return XcbReply<xcb_get_property_reply_t>(xcb_get_property_reply(x.get(), cookie, nullptr));
}

// xcb gives the value's length in bytes, whatever its format.
std::string_view ValueOf(const xcb_get_property_reply_t& reply) {
    return {static_cast<const char*>(xcb_get_property_value(&reply)),
            static_cast<std::size_t>(xcb_get_property_value_length(&reply))};
}

void Append(SelectionRead& read, std::string_view chunk, std::size_t limit) {
    const std::size_t room = limit - read.bytes.size();
    read.bytes.append(chunk.substr(0, room));
    if (chunk.size() > room) read.cut = true;
}

// An owner that sends a large text in pieces: each piece is taken by
// deleting the property, until an empty one; past the limit or the
// deadline the rest is left.
void ReadIncrementally(Connection& x, xcb_window_t window, xcb_atom_t property, std::size_t limit,
                       Clock::time_point deadline, SelectionRead& read) {
    xcb_delete_property(x.get(), window, property);
    xcb_flush(x.get());
    while (!read.cut) {
        auto event = x.NextEvent(deadline);
        if (!event) {
            read.cut = true;  // too slow: what came is what is read
            return;
        }
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) continue;
        const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
        if (notify->window != window || notify->atom != property || notify->state != XCB_PROPERTY_NEW_VALUE) continue;
        const auto piece = Property(x, window, property, true, limit - read.bytes.size());
        if (!piece) return;
        const std::string_view chunk = ValueOf(*piece);
        if (chunk.empty()) return;
        Append(read, chunk, limit);
        if (piece->bytes_after > 0) read.cut = true;
        xcb_flush(x.get());
    }
}

std::vector<xcb_atom_t> Targets(Connection& x, xcb_window_t window, xcb_atom_t selection, xcb_atom_t property,
                                Clock::time_point deadline) {
    if (!Convert(x, window, selection, x.Atom("TARGETS"), property, deadline)) return {};
    const auto reply = Property(x, window, property, true, 4096);
    if (!reply || reply->format != 32) return {};
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return {atoms, atoms + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t)};
}

}  // namespace

SelectionRead ReadX11Selection(std::string_view selection, const std::vector<std::string>& wanted, std::size_t limit,
                               std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    Connection x;
    if (!x.ok()) return {};
    const xcb_window_t window = MakeWindow(x);
    const xcb_atom_t selectionAtom = x.Atom(selection);
    const xcb_atom_t property = x.Atom("ORVIK_SELECTION");
    const std::vector<xcb_atom_t> offered = Targets(x, window, selectionAtom, property, deadline);
    for (const std::string& name : wanted) {
        const xcb_atom_t target = x.Atom(name);
        if (std::find(offered.begin(), offered.end(), target) == offered.end()) continue;
        if (!Convert(x, window, selectionAtom, target, property, deadline)) return {};
        const auto reply = Property(x, window, property, false, limit);
        if (!reply) return {};
        SelectionRead read{true, name, {}, false};
        if (reply->type == x.Atom("INCR")) {
            ReadIncrementally(x, window, property, limit, deadline, read);
            return read;
        }
        Append(read, ValueOf(*reply), limit);
        if (reply->bytes_after > 0) read.cut = true;
        xcb_delete_property(x.get(), window, property);
        xcb_flush(x.get());
        return read;
    }
    return {};
}

}  // namespace orvik
