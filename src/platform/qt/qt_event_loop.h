// The windows' timers on QTimer, and the events that run inside a long
// operation of the user-interface thread. A timer is stopped, not
// destroyed, so that a tick may stop its own timer.
#pragma once

#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/event_loop.h"

namespace orvik {

class QtEventLoop : public virtual EventLoop {
public:
    // `afterTick` runs after each tick of every timer: a tick changes what
    // the windows show.
    explicit QtEventLoop(std::function<void()> afterTick) : afterTick_(std::move(afterTick)) {}

    void StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) override;
    void StopTimer(std::string_view name) override;
    void Sleep(std::uint32_t milliseconds) override;
    void DoEvents() override;

private:
    std::function<void()> afterTick_;
    std::map<std::string, std::unique_ptr<QTimer>, std::less<>> timers_;
};

}  // namespace orvik
