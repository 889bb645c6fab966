// The taken keys orvik2004 has not answered yet, oldest first, with the
// time each must be answered by, and between them the keys held for the
// application behind them; and the keys last given back to their
// application unanswered, whose late deliveries are refused.
#pragma once

#include <fcitx-utils/key.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "hook_protocol/hook_protocol.h"

namespace orvik::fcitxhook {

struct AwaitingKey {
    hook::Seq seq = 0;
    hook::Handle context = 0;  // the input context it was typed in
    fcitx::Key rawKey;
    std::uint64_t deadlineUs = 0;  // CLOCK_MONOTONIC
    bool held = false;             // the application's, waiting for the keys before it
    bool command = false;          // a command chord: the program's alone, never the application's
};

class AwaitingAnswers {
public:
    // Numbers a newly taken key (from 1) and keeps it until answered.
    hook::Seq Add(hook::Handle context, const fcitx::Key& rawKey, std::uint64_t deadlineUs, bool command);
    // Holds a key of the application's behind the waiting ones; it is due
    // when the key before it is.
    void Hold(hook::Handle context, const fcitx::Key& rawKey);
    // Key `seq` is answered. Returns the held keys that no waiting key is
    // before any more, to go to their application now.
    std::vector<AwaitingKey> Answer(hook::Seq seq);
    // Part of the answer to `seq` has reached the application. The program
    // handles keys in order, so the answers to the keys before it have too.
    void Began(hook::Seq seq) { begunUpTo_ = std::max(begunUpTo_, seq); }
    bool HasBegun(hook::Seq seq) const { return seq <= begunUpTo_; }
    // Whether the oldest key's answer has begun to reach the application.
    bool AnswerBegun() const { return !keys_.empty() && HasBegun(keys_.front().seq); }
    // The program spoke, so it is not hung: no key is overdue before
    // `untilUs`.
    void Spoke(std::uint64_t untilUs) { notOverdueBeforeUs_ = untilUs; }
    // Takes the keys whose deadline has passed, to be given back.
    std::vector<AwaitingKey> TakeOverdue(std::uint64_t nowUs);
    // Takes every key, to be given back.
    std::vector<AwaitingKey> TakeAll();
    std::optional<std::uint64_t> EarliestDeadline() const;
    // Takes a key still awaiting its answer or among the last answered, for
    // the program to pass on once; nothing when it is not kept (or was
    // given back).
    std::optional<AwaitingKey> TakeToPass(hook::Seq seq);
    bool empty() const { return keys_.empty(); }
    // Whether `seq` names a key already given back; 0 names none.
    bool GivenBack(hook::Seq seq) const;
    std::size_t size() const { return keys_.size(); }

private:
    std::vector<AwaitingKey> TakeFront(std::size_t count);
    std::vector<AwaitingKey> TakeHeldFront();

    std::deque<AwaitingKey> keys_;  // by seq, so by deadline too
    // An answer may come before what the program sends for the key, which
    // waits behind a paste; a pass then still finds its key.
    std::deque<AwaitingKey> answered_;
    hook::Seq lastSeq_ = 0;
    hook::Seq begunUpTo_ = 0;
    std::uint64_t notOverdueBeforeUs_ = 0;
    // By number, not "up to the highest": a key answered before them may
    // still have deliveries on their way (the Space after a paste).
    std::deque<hook::Seq> givenBack_;
};

}  // namespace orvik::fcitxhook
