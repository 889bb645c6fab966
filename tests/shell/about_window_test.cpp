// The about window closes itself on the 20th tick of its half-second timer,
// counted from its load.
#include <gtest/gtest.h>

#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;

void Tick(FixtureApp& fx, int times) {
    for (int i = 0; i < times; ++i) ASSERT_TRUE(fx.platform.FireTimer(QXAbout::kTimer1));
}

TEST(AboutWindow, ClosesItselfOnTheTwentiethTickCountedFromItsLoad) {
    FixtureApp fx;
    fx.main().about_Click(menu_number::kAbout);
    EXPECT_TRUE(fx.platform.WindowVisible(WindowId::QXAbout));
    EXPECT_EQ(fx.CallsOf({"StartTimer"}), std::vector<std::string>{"StartTimer QXAbout.Timer1 500"});
    Tick(fx, 15);
    fx.main().about_Click(menu_number::kAbout);  // opened again: the count goes on
    Tick(fx, 4);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
    Tick(fx, 1);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::QXAbout));
    EXPECT_FALSE(fx.platform.TimerRunning(QXAbout::kTimer1));
    fx.main().about_Click(menu_number::kAbout);  // after it closed, the count starts again
    Tick(fx, 19);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
    Tick(fx, 1);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());
}

}  // namespace
}  // namespace orvik
