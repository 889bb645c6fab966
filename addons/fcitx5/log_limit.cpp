#include "log_limit.h"

namespace orvik::fcitxhook {

namespace {
constexpr std::uint64_t kWindowUs = 1'000'000;
}

bool LogLimit::Allow(std::uint64_t nowUs, std::string& heldBack) {
    if (nowUs - windowStartUs_ >= kWindowUs) {
        windowStartUs_ = nowUs;
        linesInWindow_ = 0;
    }
    if (linesInWindow_ >= linesPerSecond_) {
        ++heldBack_;
        return false;
    }
    ++linesInWindow_;
    heldBack = heldBack_ == 0 ? std::string() : "; " + std::to_string(heldBack_) + " more like it were not logged";
    heldBack_ = 0;
    return true;
}

}  // namespace orvik::fcitxhook
