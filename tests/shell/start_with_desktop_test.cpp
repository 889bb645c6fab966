// Starting with the desktop: the stored choice shows in the dialog's box,
// OK writes or removes the autostart entry only when the choice changed, a
// refusal is told and changes nothing, and the choice is written at the end.
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"
#include "shell/main_procedure.h"

namespace orvik {
namespace {

struct DesktopStartApp : testing::FixtureApp {
    explicit DesktopStartApp(std::u16string stored = {}) {
        if (!stored.empty()) platform.SetSetting(u"Start With Desktop", std::move(stored));
        Main(app);
    }
    CauHinh& dialog() { return app.ConfigDialog(); }
};

TEST(StartWithDesktop, TheStoredChoiceShowsInTheBoxAndAnUnusableOneIsLogged) {
    const struct {
        std::u16string stored;
        bool on;
        bool logged;
    } cases[] = {{u"", false, false},     {u"True", true, false}, {u"false", false, false},
                 {u"1", true, false},     {u"yes", false, true}};
    for (const auto& c : cases) {
        DesktopStartApp fx(c.stored);
        const std::string name = U16ToUtf8(c.stored);
        EXPECT_EQ(fx.dialog().StartWithDesktop, c.on) << name;
        EXPECT_EQ(fx.dialog().Check3.Value, c.on) << name;
        EXPECT_EQ(fx.CallsOf({"LogLine"}).size(), c.logged ? 1u : 0u) << name;
        // Reading the choice never touches the desktop's entry.
        EXPECT_TRUE(fx.CallsOf({"SetAutostartEntry"}).empty()) << name;
    }
}

// OK changes the entry only when the box differs from the choice in force.
TEST(StartWithDesktop, OkWritesOrRemovesTheEntryOnlyWhenTheChoiceChanged) {
    const struct {
        std::u16string stored;
        bool box;
        std::vector<std::string> entryCalls;
    } cases[] = {
        {u"False", true, {"SetAutostartEntry 1"}},
        {u"True", false, {"SetAutostartEntry 0"}},
        {u"True", true, {}},
        {u"False", false, {}},
    };
    for (const auto& c : cases) {
        DesktopStartApp fx(c.stored);
        fx.dialog().Check3.Value = c.box;
        fx.dialog().Command1_Click();
        EXPECT_EQ(fx.CallsOf({"SetAutostartEntry"}), c.entryCalls) << U16ToUtf8(c.stored) << c.box;
        EXPECT_EQ(fx.dialog().StartWithDesktop, c.box);
        EXPECT_EQ(fx.platform.Calls().back(), "HideWindow CauHinh");
    }
}

TEST(StartWithDesktop, CancelLeavesTheEntryAloneAndALaterOkAppliesTheBox) {
    DesktopStartApp fx;
    fx.dialog().Check3.Value = true;
    fx.dialog().Command2_Click();
    EXPECT_TRUE(fx.CallsOf({"SetAutostartEntry"}).empty());
    EXPECT_FALSE(fx.dialog().StartWithDesktop);
    EXPECT_TRUE(fx.dialog().Check3.Value);
    fx.dialog().Command1_Click();
    EXPECT_EQ(fx.CallsOf({"SetAutostartEntry"}), std::vector<std::string>{"SetAutostartEntry 1"});
    EXPECT_TRUE(fx.dialog().StartWithDesktop);
}

// The user is told, the box shows the choice in force again, and the end
// stores the choice in force, not the refused one.
TEST(StartWithDesktop, ARefusedChangeIsToldAndNothingChanges) {
    for (const bool stored : {false, true}) {
        DesktopStartApp fx(stored ? u"True" : u"False");
        fx.platform.RefuseAutostart();
        fx.dialog().Check3.Value = !stored;
        fx.dialog().Command1_Click();
        const auto told = fx.CallsOf({"MessageBox"});
        ASSERT_EQ(told.size(), 1u);
        EXPECT_NE(told.front().find(stored ? "Không xóa được" : "Không ghi được"), std::string::npos) << told.front();
        EXPECT_EQ(fx.dialog().Check3.Value, stored);
        EXPECT_EQ(fx.dialog().StartWithDesktop, stored);
        fx.dialog().SaveCauhinh();
        EXPECT_EQ(fx.platform.Setting(u"Start With Desktop"), stored ? u"True" : u"False");
    }
}

TEST(StartWithDesktop, TheChoiceInForceIsWrittenAtTheEnd) {
    DesktopStartApp fx;
    fx.dialog().Check3.Value = true;
    fx.dialog().Command1_Click();
    fx.main().Close_Click(menu_number::kClose);
    EXPECT_EQ(fx.platform.Setting(u"Start With Desktop"), u"True");
}

}  // namespace
}  // namespace orvik
