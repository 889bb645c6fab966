#include "xim_replies.h"

#include <fcitx-utils/log.h>

#include <utility>

#include "codes/desktop_codes.h"

namespace orvik::fcitxhook {

// A short message of the protocol is a client message of 8-bit data, its
// first byte the message's number; a long one goes in a property.
XimTraffic XimTrafficOf(const xcb_generic_event_t& event, xcb_atom_t protocol) {
    if ((event.response_type & ~0x80) != XCB_CLIENT_MESSAGE) return XimTraffic::None;
    const auto& message = reinterpret_cast<const xcb_client_message_event_t&>(event);
    if (message.type != protocol) return XimTraffic::None;
    if (message.format == 8 && message.data.data8[0] == kXimSyncReply) return XimTraffic::SyncReply;
    return XimTraffic::Other;
}

XimReplies::XimReplies(fcitx::AddonInstance& xcb, Handlers handlers) : xcb_(xcb), handlers_(std::move(handlers)) {
    created_ = xcb_.call<fcitx::IXCBModule::addConnectionCreatedCallback>(
        [this](const std::string& display, xcb_connection_t*, int, fcitx::FocusGroup*) { Listen(display); });
    closed_ = xcb_.call<fcitx::IXCBModule::addConnectionClosedCallback>(
        [this](const std::string& display, xcb_connection_t*) { filters_.erase(display); });
}

void XimReplies::Listen(const std::string& display) {
    const xcb_atom_t protocol = xcb_.call<fcitx::IXCBModule::atom>(display, std::string(kXimProtocolAtom), false);
    if (protocol == XCB_ATOM_NONE) return;
    filters_[display] = xcb_.call<fcitx::IXCBModule::addEventFilter>(
        display, [this, protocol](xcb_connection_t*, xcb_generic_event_t* event) { return OnEvent(*event, protocol); });
}

void XimReplies::WarnIfUnheard() {
    if (heard_ || std::exchange(unheardTold_, true)) return;
    FCITX_WARN() << "orvikhook: the X input method's messages reach fcitx5's X input method before the hook; "
                    "what the hook sends to its applications goes unpaced and may arrive out of order";
}

// Only listens: the message goes on to fcitx5's X input method.
bool XimReplies::OnEvent(const xcb_generic_event_t& event, xcb_atom_t protocol) {
    const XimTraffic traffic = XimTrafficOf(event, protocol);
    if (traffic == XimTraffic::None) return false;
    if (!std::exchange(heard_, true)) handlers_.heard();
    if (traffic == XimTraffic::SyncReply) handlers_.replied();
    return false;
}

}  // namespace orvik::fcitxhook
