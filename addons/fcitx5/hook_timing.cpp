#include "hook_timing.h"

#include <utility>

namespace orvik::fcitxhook {

namespace {

// A timer may fire this much late; the default of the event loop (a quarter
// second) would hold a key far too long.
constexpr std::uint64_t kTimerAccuracyUs = 1000;

}  // namespace

void ArmTimer(fcitx::EventLoop& loop, std::unique_ptr<fcitx::EventSourceTime>& timer,
              std::optional<std::uint64_t> deadline, std::function<void()> onTime) {
    if (!deadline) {
        if (timer) timer->setEnabled(false);
        return;
    }
    if (!timer) {
        timer = loop.addTimeEvent(CLOCK_MONOTONIC, *deadline, kTimerAccuracyUs,
                                  [onTime = std::move(onTime)](fcitx::EventSourceTime*, std::uint64_t) {
                                      onTime();
                                      return true;
                                  });
        return;
    }
    timer->setTime(*deadline);
    timer->setOneShot();
}

}  // namespace orvik::fcitxhook
