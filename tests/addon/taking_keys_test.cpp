// Which keys the hook takes from the applications, what the program hears
// of them and where: typed in an application while the program has
// registered its window and installed its hook.
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

TEST_F(TakingKeysTest, TakenKeysReachTheTargetAndTheirReleasesAreTakenToo) {
    struct Case {
        const char* name;
        Key key;
        std::int16_t code;
        std::int16_t shift;
    };
    const std::vector<Case> cases{
        {"small letter", Key("a"), 'a', 0},
        {"capital with Shift", Key("Shift+A"), 'A', kShiftMask},
        {"capital with CapsLock", Key(FcitxKey_A, KeyState::CapsLock), 'A', 0},
        {"digit", Key("5"), kVk0 + 5, 0},
        {"Ctrl+digit, a look-up", Key("Control+5"), kVk0 + 5, kCtrlMask},
        {"keypad digit", Key("KP_7"), kVk0 + 7, 0},
        {"Backspace", Key("BackSpace"), kVkBack, 0},
        {"Shift+Backspace", Key("Shift+BackSpace"), kVkBack, kShiftMask},
        {"Escape", Key("Escape"), kVkEscape, 0},
        {"space", Key("space"), kVkSpace, 0},
        {"Up", Key("Up"), kVkUp, 0},
        {"keypad Down", Key("KP_Down"), kVkDown, 0},
        {"comma", Key("comma"), kVkComma, 0},
        {"period", Key("period"), kVkPeriod, 0},
        {"Enter", Key("Return"), kVkReturn, 0},
        {"Tab", Key("Tab"), kVkTab, 0},
        {"a symbol", Key("Shift+question"), kVkOem8, kShiftMask},
    };
    const Context gedit = Open("gedit");
    RegisterAndHook();
    // A word is typed: the keys that edit or end it are the program's.
    SayWordTyped(gedit);
    hook::Seq seq = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++seq;
        EXPECT_TRUE(Press(gedit, c.key));
        EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{seq, kTarget, c.code, c.shift}));
        EXPECT_TRUE(Release(gedit, c.key));
        Answer(seq);
    }
}

// No word typed: these keys stay with the application too.
TEST_F(TakingKeysTest, ShortcutsAndOtherKeysStayWithTheApplication) {
    const std::vector<Key> keys{
        Key("Control+c"),
        Key("Alt+f"),
        Key("Super+a"),
        Key("Tab"),
        Key("Return"),
        Key("F1"),
        Key("Shift+exclam"),
        Key("Shift+1"),
        Key("Shift+less"),
        Key("Shift+comma"),
        Key("Control+BackSpace"),
        Key("BackSpace"),
        Key("Escape"),
        Key("Up"),
        Key("Control+Alt+a"),
        Key("Control+Alt+Shift+o"),
        Key("Super+Control+Alt+o"),
    };
    const Context gedit = Open("gedit");
    RegisterAndHook();
    for (const Key& key : keys) {
        SCOPED_TRACE(key.toString());
        EXPECT_FALSE(Press(gedit, key));
        EXPECT_FALSE(Release(gedit, key));
    }
    // The first key the program hears of is the next one taken.
    EXPECT_TRUE(Press(gedit, Key("a")));
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{1, kTarget, 'a', 0}));
}

TEST_F(TakingKeysTest, EveryChordGoesToTheOwnerWithItsCommand) {
    struct Case {
        Key key;
        std::int16_t command;
    };
    const std::vector<Case> cases{
        {Key("Control+Alt+o"), kCmdImeOnOff},
        {Key("Control+Alt+m"), kCmdNextMode},
        {Key("Control+Alt+h"), kCmdTelexHan},
        {Key("Control+Alt+n"), kCmdTelexNom},
        {Key("Control+Alt+x"), kCmdLookup},
        {Key("Control+Alt+r"), kCmdTranscribe},
        {Key(FcitxKey_O, {KeyState::Ctrl, KeyState::Alt, KeyState::CapsLock}), kCmdImeOnOff},
        {Key(FcitxKey_m, {KeyState::Ctrl, KeyState::Alt, KeyState::NumLock}), kCmdNextMode},
    };
    const Context gedit = Open("gedit");
    RegisterAndHook();
    hook::Seq seq = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toString());
        ++seq;
        EXPECT_TRUE(Press(gedit, c.key));
        EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{seq, kOwner, c.command, 0}));
        EXPECT_TRUE(Release(gedit, c.key));
        Answer(seq);
    }
}

TEST_F(TakingKeysTest, NothingIsTakenUntilTheHookIsInstalledNorAfterItIsRemoved) {
    const Context gedit = Open("gedit");
    EXPECT_FALSE(Press(gedit, Key("a")));
    EXPECT_FALSE(Press(gedit, kChordOnOff));

    program_->Send(hook::Encode(hook::Register{kTarget, kOwner}));
    Sync(gedit);
    EXPECT_FALSE(Press(gedit, Key("a")));
    EXPECT_FALSE(Press(gedit, kChordOnOff));

    program_->Send(hook::Encode(hook::Hook{}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->TakingKeys(); }));
    EXPECT_TRUE(Press(gedit, Key("b")));

    program_->Send(hook::Encode(hook::Unhook{}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return !harness_->TakingKeys(); }));
    EXPECT_FALSE(Press(gedit, Key("c")));
    EXPECT_FALSE(Press(gedit, kChordOnOff));
    // The press taken before the hook went still takes its release.
    EXPECT_TRUE(Release(gedit, Key("b")));
    EXPECT_FALSE(Release(gedit, Key("c")));
}

TEST_F(TakingKeysTest, WithoutATargetOnlyTheChordsAreTaken) {
    const Context gedit = Open("gedit");
    RegisterAndHook(0, kOwner);
    EXPECT_FALSE(Press(gedit, Key("a")));
    EXPECT_FALSE(Press(gedit, Key("space")));
    EXPECT_TRUE(Press(gedit, kChordOnOff));
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{1, kOwner, kCmdImeOnOff, 0}));
}

TEST_F(TakingKeysTest, InTheProgramsOwnWindowsOnlyTheChordsAreTaken) {
    const Context own = Open(std::string(hook::kProgramName));
    RegisterAndHook();
    EXPECT_FALSE(Press(own, Key("a")));
    EXPECT_FALSE(Press(own, Key("BackSpace")));
    EXPECT_TRUE(Press(own, Key("Control+Alt+m")));
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{1, kOwner, kCmdNextMode, 0}));
}

TEST_F(TakingKeysTest, RepeatedPressesAreKeysOfTheirOwn) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    const Key repeated(FcitxKey_a, KeyState::Repeat);
    // In one turn of the loop, so that the first cannot time out before the
    // second comes.
    const auto [first, second] = harness_->Run([&] {
        const bool taken = Press(gedit, Key("a"));
        return std::pair(taken, Press(gedit, repeated));
    });
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{1, kTarget, 'a', 0}));
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{2, kTarget, 'a', 0}));
    EXPECT_TRUE(Release(gedit, Key("a")));
    EXPECT_FALSE(Release(gedit, Key("a")));
    program_->Send(hook::Encode(hook::Done{1}));
    Answer(2);
}

TEST(HookWithoutProgramTest, KeysPassWhileNoProgramIsConnected) {
    TempDir dir;
    FcitxHarness harness((dir / "hook").string());
    const fcitx::ICUUID gedit = harness.CreateInputContext("gedit");
    EXPECT_FALSE(harness.SendKey(gedit, Key("a"), false));
    EXPECT_FALSE(harness.SendKey(gedit, kChordOnOff, false));
    EXPECT_FALSE(harness.TakingKeys());
}

}  // namespace
}  // namespace orvik::fcitxhook::testing
