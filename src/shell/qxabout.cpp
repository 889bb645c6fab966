#include "shell/qxabout.h"

#include "shell/application.h"

namespace orvik {

QXAbout::QXAbout(Application& app, EventLoop& loop) : app_(app), loop_(loop) {}

void QXAbout::Form_Load() {
    loop_.StartTimer(kTimer1, kTimer1Interval, [this] { Timer1_Timer(); });
    ticks_ = 1;
}

void QXAbout::Form_Unload() { loop_.StopTimer(kTimer1); }

void QXAbout::Timer1_Timer() {
    if (++ticks_ <= kLastTick) return;
    app_.UnloadAboutWindow();
}

}  // namespace orvik
