// Timers of the windows on QTimer. A timer is stopped, not destroyed, so
// that a tick may stop its own timer.
#include <QTimer>

#include "platform/qt/qt_platform.h"

namespace orvik {

void QtPlatform::StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) {
    std::unique_ptr<QTimer>& timer = timers_[std::string(name)];
    if (!timer) timer = std::make_unique<QTimer>();
    timer->disconnect();
    QObject::connect(timer.get(), &QTimer::timeout, [this, tick = std::move(tick)] {
        tick();
        ScheduleRedraw();
    });
    timer->start(static_cast<int>(intervalMs));
}

void QtPlatform::StopTimer(std::string_view name) {
    const auto timer = timers_.find(name);
    if (timer != timers_.end()) timer->second->stop();
}

}  // namespace orvik
