#include "platform/qt/qt_event_loop.h"

#include <QCoreApplication>
#include <QThread>

namespace orvik {

void QtEventLoop::StartTimer(std::string_view name, std::uint32_t intervalMs, std::function<void()> tick) {
    std::unique_ptr<QTimer>& timer = timers_[std::string(name)];
    if (!timer) timer = std::make_unique<QTimer>();
    timer->disconnect();
    QObject::connect(timer.get(), &QTimer::timeout, [this, tick = std::move(tick)] {
        tick();
        afterTick_();
    });
    timer->start(static_cast<int>(intervalMs));
}

void QtEventLoop::StopTimer(std::string_view name) {
    const auto timer = timers_.find(name);
    if (timer != timers_.end()) timer->second->stop();
}

void QtEventLoop::Sleep(std::uint32_t milliseconds) { QThread::msleep(milliseconds); }

void QtEventLoop::DoEvents() { QCoreApplication::processEvents(); }

}  // namespace orvik
