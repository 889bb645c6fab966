// The hook's clock and timers, and the visitor both halves of the hook use
// on the program's messages and on what they deliver.
#pragma once

#include <fcitx-utils/event.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "hook_protocol/hook_protocol.h"

namespace orvik::fcitxhook {

// How long a commit or a forwarded key may still be on its way into a busy
// application.
inline constexpr std::uint64_t kInFlightUs = 500'000;

inline std::uint64_t NowUs() { return fcitx::now(CLOCK_MONOTONIC); }

// Whether what went to `deliveredTo` at `deliveredUs` may still be on its
// way into `context`.
inline bool MayBeInFlight(hook::Handle context, hook::Handle deliveredTo, std::uint64_t deliveredUs) {
    return context == deliveredTo && NowUs() - deliveredUs <= kInFlightUs;
}

// Sets `timer` (made at its first use) to run `onTime` once at `deadline`,
// or stops it when there is none.
void ArmTimer(fcitx::EventLoop& loop, std::unique_ptr<fcitx::EventSourceTime>& timer,
              std::optional<std::uint64_t> deadline, std::function<void()> onTime);

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace orvik::fcitxhook
