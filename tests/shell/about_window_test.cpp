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

TEST(AboutWindow, ClosesItselfOnTheTwentiethTick) {
    FixtureApp fx;
    fx.main().about_Click(menu_number::kAbout);
    EXPECT_NE(std::find(fx.platform.Calls().begin(), fx.platform.Calls().end(), "StartTimer QXAbout.Timer1 500"),
              fx.platform.Calls().end());
    EXPECT_TRUE(fx.platform.WindowVisible(WindowId::QXAbout));
    Tick(fx, 19);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
    EXPECT_EQ(fx.module().AboutTicks, 20);
    Tick(fx, 1);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());
    EXPECT_FALSE(fx.platform.WindowVisible(WindowId::QXAbout));
    EXPECT_FALSE(fx.platform.TimerRunning(QXAbout::kTimer1));
    EXPECT_EQ(fx.module().AboutTicks, 0);
}

TEST(AboutWindow, OpeningItAgainDoesNotRestartTheCountButAfterItClosedItDoes) {
    FixtureApp fx;
    fx.main().about_Click(menu_number::kAbout);
    Tick(fx, 15);
    fx.main().about_Click(menu_number::kAbout);
    Tick(fx, 5);
    EXPECT_FALSE(fx.app.AboutWindowLoaded());

    fx.main().about_Click(menu_number::kAbout);
    EXPECT_EQ(fx.module().AboutTicks, 1);
    Tick(fx, 19);
    EXPECT_TRUE(fx.app.AboutWindowLoaded());
}

}  // namespace
}  // namespace orvik
