#include "xim_pacing.h"

#include <utility>

namespace orvik::fcitxhook {

void XimPacing::Sent(std::uint64_t nowUs) {
    if (repliesHeard_) unansweredSinceUs_ = nowUs;
}

void XimPacing::Queue(XimMessage message) {
    auto* text = std::get_if<XimCommit>(&message);
    auto* last = queue_.empty() ? nullptr : std::get_if<XimCommit>(&queue_.back());
    if (text != nullptr && last != nullptr && last->context == text->context) {
        last->text += text->text;
        return;
    }
    queue_.push_back(std::move(message));
}

std::optional<XimMessage> XimPacing::TakeNext(std::uint64_t nowUs) {
    if (queue_.empty() || !MayGo(nowUs)) return std::nullopt;
    XimMessage next = std::move(queue_.front());
    queue_.pop_front();
    return next;
}

std::optional<std::uint64_t> XimPacing::Deadline() const {
    if (queue_.empty() || !unansweredSinceUs_) return std::nullopt;
    return *unansweredSinceUs_ + kUnansweredWaitUs;
}

bool XimPacing::MayGo(std::uint64_t nowUs) const {
    return !unansweredSinceUs_ || nowUs - *unansweredSinceUs_ >= kUnansweredWaitUs;
}

}  // namespace orvik::fcitxhook
