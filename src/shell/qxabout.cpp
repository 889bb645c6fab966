#include "shell/qxabout.h"

#include "shell/application.h"

namespace orvik {

QXAbout::QXAbout(Application& app) : app_(app) {}

void QXAbout::Form_Load() {
    app_.platform().StartTimer(kTimer1, kTimer1Interval, [this] { Timer1_Timer(); });
    app_.module().AboutTicks = 1;
}

void QXAbout::Form_Unload() { app_.platform().StopTimer(kTimer1); }

void QXAbout::Timer1_Timer() {
    std::int16_t& ticks = app_.module().AboutTicks;
    ++ticks;
    if (ticks <= kLastTick) return;
    ticks = 0;
    app_.UnloadAboutWindow();
}

}  // namespace orvik
