// What the hook sends to applications through the X input method, one
// message at a time. Such an application (libX11) puts each commit and each
// forwarded key back into its own event queue and marks only one of them at
// a time as the input method's: two that reach it together come out last
// first, and the one whose mark was overwritten goes back to fcitx5 as a key
// typed anew. In xterm on a loaded machine the forwarded press and release
// of the Enter after "chào?" arrived together, the release went first and
// the press came back as a new key after the "x" of the next word:
// "chào?xin ⏎chào". So a message goes only once the application has said it
// took the one before (its "sync reply"), or once it has kept silent for
// `kUnansweredWaitUs`; the others wait here in order.
#pragma once

#include <fcitx-utils/key.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <variant>

#include "hook_protocol/hook_protocol.h"

namespace orvik::fcitxhook {

struct XimCommit {
    hook::Handle context = 0;
    std::string text;
};
struct XimForward {
    hook::Handle context = 0;
    fcitx::Key key;
    bool release = false;
};
using XimMessage = std::variant<XimCommit, XimForward>;

class XimPacing {
public:
    // An application that never answers gets the next message this late.
    static constexpr std::uint64_t kUnansweredWaitUs = 300'000;

    // Pacing starts once the hook hears the applications' replies at all
    // (it cannot where fcitx5's X input method reads them first).
    void RepliesHeard() { repliesHeard_ = true; }
    // A message went to an application (the hook's, or a key fcitx5 hands
    // back to it).
    void Sent(std::uint64_t nowUs);
    // An application took the last message.
    void Answered() { unansweredSinceUs_.reset(); }
    // Whether a message sent now could reach an application with one still
    // untaken or waiting: it must queue.
    bool Busy(std::uint64_t nowUs) const { return !queue_.empty() || !MayGo(nowUs); }
    bool Queued() const { return !queue_.empty(); }
    // Queues `message`; text for the input context of the last queued
    // commit joins it.
    void Queue(XimMessage message);
    // The next message, once it may go.
    std::optional<XimMessage> TakeNext(std::uint64_t nowUs);
    // When the next queued message goes unanswered or not.
    std::optional<std::uint64_t> Deadline() const;

private:
    bool MayGo(std::uint64_t nowUs) const;

    bool repliesHeard_ = false;
    std::optional<std::uint64_t> unansweredSinceUs_;
    std::deque<XimMessage> queue_;
};

}  // namespace orvik::fcitxhook
