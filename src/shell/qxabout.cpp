#include "shell/qxabout.h"

#include "shell/application.h"

namespace orvik {

QXAbout::QXAbout(Application& app) : app_(app) {}

void QXAbout::Form_Load() {
    app_.platform().StartTimer(kTimer1, kTimer1Interval, [this] { Timer1_Timer(); });
    ticks_ = 1;
}

void QXAbout::Form_Unload() { app_.platform().StopTimer(kTimer1); }

void QXAbout::Timer1_Timer() {
    if (++ticks_ <= kLastTick) return;
    app_.UnloadAboutWindow();
}

}  // namespace orvik
