// Hears, on each of fcitx5's X connections, the replies of the applications
// that type through the X input method: the message an application sends
// once it has taken a commit or a forwarded key. fcitx5's X input method
// takes the protocol's messages for itself, so the hook hears them only
// where its event filter comes first; it says so when it hears any.
#pragma once

#include <fcitx-utils/handlertable.h>
#include <fcitx/addoninstance.h>
#include <xcb_public.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace orvik::fcitxhook {

enum class XimTraffic { None, Other, SyncReply };

// What `event` is of the X input method's traffic, whose client messages
// have the type `protocol`.
XimTraffic XimTrafficOf(const xcb_generic_event_t& event, xcb_atom_t protocol);

class XimReplies {
public:
    struct Handlers {
        std::function<void()> heard;    // the first message of the protocol
        std::function<void()> replied;  // an application took a message
    };
    XimReplies(fcitx::AddonInstance& xcb, Handlers handlers);
    // An application through the X input method took the focus: it has
    // spoken the protocol, so if nothing was heard, fcitx5's X input method
    // took those messages first. Says so once: what the hook sends there
    // goes unpaced.
    void WarnIfUnheard();

private:
    void Listen(const std::string& display);
    bool OnEvent(const xcb_generic_event_t& event, xcb_atom_t protocol);

    fcitx::AddonInstance& xcb_;
    Handlers handlers_;
    bool heard_ = false;
    bool unheardTold_ = false;
    std::map<std::string, std::unique_ptr<fcitx::HandlerTableEntry<fcitx::XCBEventFilter>>> filters_;
    std::unique_ptr<fcitx::HandlerTableEntry<fcitx::XCBConnectionCreated>> created_;
    std::unique_ptr<fcitx::HandlerTableEntry<fcitx::XCBConnectionClosed>> closed_;
};

}  // namespace orvik::fcitxhook
