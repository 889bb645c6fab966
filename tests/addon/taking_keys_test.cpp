// Which keys the hook takes from the applications, what the program hears
// of them and where: typed in an application while the program has
// registered its window and installed its hook. Which key is chosen under
// each modifier is hook_parts_test's; here the keys go through fcitx5, to
// the window, the code and the modifiers of the program's line.
#include <utility>
#include <vector>

#include "hook_session.h"
#include "codes/desktop_codes.h"

namespace orvik::fcitxhook::testing {
namespace {

using fcitx::Key;
using fcitx::KeyState;

class TakingKeysTest : public HookSession {};

const Key kChordOnOff("Control+Alt+o");

// A word is typed: the keys that edit or end it are the program's too.
// A taken key reaches the target window, a command chord the owner; the
// release of a taken press is taken with it. Shortcuts stay with the
// application.
TEST_F(TakingKeysTest, KeysAreTakenForTheirWindowWithTheirReleases) {
    constexpr hook::Handle kApplication = 0;  // not taken
    struct Case {
        Key key;
        hook::Handle window;
        std::int16_t code = 0;
        std::int16_t shift = 0;
    };
    const std::vector<Case> cases{
        {Key("a"), kTarget, 'a'},
        {Key("Control+5"), kTarget, kVk0 + 5, kCtrlMask},  // a look-up
        {Key("Shift+BackSpace"), kTarget, kVkBack, kShiftMask},
        {Key("Control+c"), kApplication},
        {Key("Control+Alt+Shift+o"), kApplication},
        {Key("Super+Control+Alt+o"), kApplication},
        {Key("Control+Alt+o"), kOwner, kCmdImeOnOff},
        {Key(FcitxKey_O, {KeyState::Ctrl, KeyState::Alt, KeyState::CapsLock}), kOwner, kCmdImeOnOff},
        {Key(FcitxKey_m, {KeyState::Ctrl, KeyState::Alt, KeyState::NumLock}), kOwner, kCmdNextMode},
    };
    const Context gedit = Open("gedit");
    RegisterAndHook();
    SayWordTyped(gedit);
    hook::Seq seq = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toString());
        const bool taken = c.window != kApplication;
        EXPECT_EQ(Press(gedit, c.key), taken);
        EXPECT_EQ(Release(gedit, c.key), taken);
        if (!taken) continue;
        // The program hears of taken keys only, numbered in turn.
        EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{++seq, c.window, c.code, c.shift}));
        Answer(seq);
    }
}

TEST_F(TakingKeysTest, NothingIsTakenUntilTheHookIsInstalledNorAfterItIsRemoved) {
    const Context gedit = Open("gedit");
    EXPECT_FALSE(Press(gedit, Key("a")));
    Send(hook::Register{kTarget, kOwner});
    Sync(gedit);
    EXPECT_FALSE(Press(gedit, Key("a")));
    EXPECT_FALSE(Press(gedit, kChordOnOff));

    Send(hook::Hook{});
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->TakingKeys(); }));
    EXPECT_TRUE(Press(gedit, Key("b")));

    Send(hook::Unhook{});
    ASSERT_TRUE(harness_->WaitUntil([&] { return !harness_->TakingKeys(); }));
    EXPECT_FALSE(Press(gedit, Key("c")));
    EXPECT_FALSE(Press(gedit, kChordOnOff));
    // The press taken before the hook went still takes its release.
    EXPECT_TRUE(Release(gedit, Key("b")));
    EXPECT_FALSE(Release(gedit, Key("c")));
}

// In the program's own windows, and with no target window registered,
// only the command chords are taken.
TEST_F(TakingKeysTest, InTheProgramsOwnWindowsOrWithoutATargetOnlyTheChordsAreTaken) {
    const Context gedit = Open("gedit");
    const Context own = Open(std::string(hook::kProgramName));
    RegisterAndHook();
    EXPECT_FALSE(Press(own, Key("a")));
    EXPECT_FALSE(Press(own, Key("BackSpace")));
    EXPECT_TRUE(Press(own, Key("Control+Alt+m")));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kOwner, kCmdNextMode, 0}));
    Answer(1);

    Send(hook::Register{0, kOwner});
    Sync(gedit);
    EXPECT_FALSE(Press(gedit, Key("a")));
    EXPECT_FALSE(Press(gedit, Key("space")));
    EXPECT_TRUE(Press(gedit, kChordOnOff));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{2, kOwner, kCmdImeOnOff, 0}));
}

TEST_F(TakingKeysTest, RepeatedPressesAreKeysOfTheirOwn) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    // In one turn of the loop, so that the first cannot time out before the
    // second comes.
    const auto [first, second] = harness_->Run([&] {
        const bool taken = Press(gedit, Key("a"));
        return std::pair(taken, Press(gedit, Key(FcitxKey_a, KeyState::Repeat)));
    });
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{1, kTarget, 'a', 0}));
    EXPECT_EQ(program_->ReadLine(), hook::LineOf(hook::KeyUp{2, kTarget, 'a', 0}));
    EXPECT_TRUE(Release(gedit, Key("a")));
    EXPECT_FALSE(Release(gedit, Key("a")));
}

}  // namespace
}  // namespace orvik::fcitxhook::testing
