#include "awaiting_answers.h"

#include <algorithm>

namespace orvik::fcitxhook {

hook::Seq AwaitingAnswers::Add(hook::Handle context, const fcitx::Key& rawKey, std::uint64_t deadlineUs,
                               bool command) {
    keys_.push_back({++lastSeq_, context, rawKey, deadlineUs, false, command});
    return lastSeq_;
}

namespace {

constexpr std::size_t kAnsweredKept = 64;
// Later deliveries for a key come within a paste's wait of its answer; the
// hook takes no keys after a give-back until the program speaks again.
constexpr std::size_t kGivenBackKept = 256;

}  // namespace

void AwaitingAnswers::Hold(hook::Handle context, const fcitx::Key& rawKey) {
    const std::uint64_t due = keys_.empty() ? 0 : keys_.back().deadlineUs;
    keys_.push_back({++lastSeq_, context, rawKey, due, true});
}

// Answers may come out of order: a command chord is answered before it
// runs, while the answers to the keys typed before it may still wait
// behind a paste.
std::vector<AwaitingKey> AwaitingAnswers::Answer(hook::Seq seq) {
    const auto it = std::find_if(keys_.begin(), keys_.end(), [seq](const AwaitingKey& k) { return k.seq == seq; });
    if (it != keys_.end() && !it->held) {
        answered_.push_back(*it);
        keys_.erase(it);
        if (answered_.size() > kAnsweredKept) answered_.pop_front();
    }
    return TakeHeldFront();
}

std::vector<AwaitingKey> AwaitingAnswers::TakeHeldFront() {
    std::vector<AwaitingKey> free;
    while (!keys_.empty() && keys_.front().held) {
        free.push_back(keys_.front());
        keys_.pop_front();
    }
    return free;
}

std::optional<AwaitingKey> AwaitingAnswers::TakeToPass(hook::Seq seq) {
    if (GivenBack(seq)) return std::nullopt;
    for (auto* keys : {&keys_, &answered_}) {
        const auto it = std::find_if(keys->begin(), keys->end(), [seq](const AwaitingKey& k) { return k.seq == seq; });
        if (it == keys->end()) continue;
        const AwaitingKey key = *it;
        keys->erase(it);
        return key;  // held keys it leaves in front go with the key's answer
    }
    return std::nullopt;
}

std::vector<AwaitingKey> AwaitingAnswers::TakeOverdue(std::uint64_t nowUs) {
    if (nowUs < notOverdueBeforeUs_) return {};
    const auto due =
        std::find_if(keys_.begin(), keys_.end(), [nowUs](const AwaitingKey& key) { return key.deadlineUs > nowUs; });
    return TakeFront(static_cast<std::size_t>(due - keys_.begin()));
}

std::vector<AwaitingKey> AwaitingAnswers::TakeAll() { return TakeFront(keys_.size()); }

std::optional<std::uint64_t> AwaitingAnswers::EarliestDeadline() const {
    if (keys_.empty()) return std::nullopt;
    return std::max(keys_.front().deadlineUs, notOverdueBeforeUs_);
}

std::vector<AwaitingKey> AwaitingAnswers::TakeFront(std::size_t count) {
    std::vector<AwaitingKey> taken(keys_.begin(), keys_.begin() + static_cast<std::ptrdiff_t>(count));
    keys_.erase(keys_.begin(), keys_.begin() + static_cast<std::ptrdiff_t>(count));
    for (const AwaitingKey& key : taken) {
        if (key.held || key.command) continue;
        givenBack_.push_back(key.seq);
        if (givenBack_.size() > kGivenBackKept) givenBack_.pop_front();
    }
    return taken;
}

bool AwaitingAnswers::GivenBack(hook::Seq seq) const {
    return seq != 0 && std::find(givenBack_.begin(), givenBack_.end(), seq) != givenBack_.end();
}

}  // namespace orvik::fcitxhook
