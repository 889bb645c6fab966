// The user-interface thread's loop: timers, waits, and the events that wait
// while a long operation runs.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace orvik {

class EventLoop {
public:
    virtual ~EventLoop() = default;

    // A periodic timer of a window, named "window.control" ("QXAbout.Timer1"):
    // `tick` runs on the user-interface thread every `intervalMs` until the
    // timer is stopped. Starting a timer again replaces it.
    virtual void StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) = 0;
    virtual void StopTimer(std::string_view name) = 0;
    // Blocks the program for `milliseconds`.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Lets the events waiting for the user-interface thread run (presses,
    // repaints, timers) and returns: a long operation stays responsive, and
    // a handler may run again inside it.
    virtual void DoEvents() = 0;
};

}  // namespace orvik
