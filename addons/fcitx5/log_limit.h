// At most a few log lines of one kind a second: a peer that floods the hook
// with connections or malformed lines must not fill the user's log (1 MB of
// garbage once gave 4,102 lines). The lines held back are counted and said
// with the next line let through.
#pragma once

#include <cstdint>
#include <string>

namespace orvik::fcitxhook {

class LogLimit {
public:
    explicit LogLimit(int linesPerSecond) : linesPerSecond_(linesPerSecond) {}

    // Whether a line may go to the log at `nowUs` (CLOCK_MONOTONIC). When it
    // may, `heldBack` is set to what to add to it ("" or "; 17 more like it
    // were not logged").
    bool Allow(std::uint64_t nowUs, std::string& heldBack);

private:
    int linesPerSecond_;
    std::uint64_t windowStartUs_ = 0;
    int linesInWindow_ = 0;
    std::uint64_t heldBack_ = 0;
};

}  // namespace orvik::fcitxhook
