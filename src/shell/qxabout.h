// The about window: shown from the menu, it closes itself ten seconds after
// it was loaded, counted by its timer in ticks of half a second.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/controls.h"
#include "platform/event_loop.h"

namespace orvik {

class Application;

class QXAbout {
public:
    QXAbout(Application& app, EventLoop& loop);

    static constexpr std::string_view kTimer1 = "QXAbout.Timer1";
    static constexpr std::uint32_t kTimer1Interval = 500;  // ms
    // The tick on which the count passes this closes the window.
    static constexpr std::int16_t kLastTick = 20;

    std::u16string Caption{u"Về Việt Orvik 2004"};
    Label Label1{u"Việt Orvik 2004"};
    Label Label2{u"Gõ tiếng Việt, chữ Hán và chữ Nôm; tra từ điển Hán Việt, Nôm và tiếng Việt"};

    // Starts the timer and the count of its ticks at 1.
    void Form_Load();
    void Form_Unload();
    void Timer1_Timer();

private:
    Application& app_;
    EventLoop& loop_;  // its timer
    int ticks_ = 0;
};

}  // namespace orvik
