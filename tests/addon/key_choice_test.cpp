// Which presses the hook takes and how it reports them, over the modifiers
// and situations the in-process tests do not go through one by one.
#include "key_choice.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace orvik::fcitxhook {
namespace {

using fcitx::Key;
using fcitx::KeyState;

constexpr KeySituation kRegistered{true, true, false};

struct Case {
    const char* name;
    Key key;
    KeySituation situation;
    std::optional<ChosenKey> chosen;
};

TEST(KeyChoiceTest, PressesAreTakenOrLeftByKeyModifiersAndSituation) {
    const std::vector<Case> cases{
        {"NumLock changes nothing", Key(FcitxKey_a, KeyState::NumLock), kRegistered, ChosenKey{'a', 0}},
        {"Shift+CapsLock gives a small letter", Key(FcitxKey_a, {KeyState::Shift, KeyState::CapsLock}), kRegistered,
         ChosenKey{'a', kShiftMask}},
        {"keypad 0", Key(FcitxKey_KP_0), kRegistered, ChosenKey{kVk0, 0}},
        {"keypad Up", Key(FcitxKey_KP_Up), kRegistered, ChosenKey{kVkUp, 0}},
        {"Shift+space", Key(FcitxKey_space, KeyState::Shift), kRegistered, ChosenKey{kVkSpace, kShiftMask}},
        {"Shift+Escape", Key(FcitxKey_Escape, KeyState::Shift), kRegistered, ChosenKey{kVkEscape, kShiftMask}},
        {"Ctrl+9", Key(FcitxKey_9, KeyState::Ctrl), kRegistered, ChosenKey{kVk9, kCtrlMask}},
        {"Ctrl+Shift+9", Key(FcitxKey_9, {KeyState::Ctrl, KeyState::Shift}), kRegistered, std::nullopt},
        {"Ctrl+space", Key(FcitxKey_space, KeyState::Ctrl), kRegistered, std::nullopt},
        {"Ctrl+comma", Key(FcitxKey_comma, KeyState::Ctrl), kRegistered, std::nullopt},
        {"Shift+period", Key(FcitxKey_period, KeyState::Shift), kRegistered, std::nullopt},
        {"Meta+a", Key(FcitxKey_a, KeyState::Meta), kRegistered, std::nullopt},
        {"Hyper+a", Key(FcitxKey_a, KeyState::Hyper), kRegistered, std::nullopt},
        {"AltGr+a", Key(FcitxKey_a, KeyState::Mod5), kRegistered, std::nullopt},
        {"a letter beyond ASCII", Key(FcitxKey_eacute), kRegistered, std::nullopt},
        {"Delete", Key(FcitxKey_Delete), kRegistered, std::nullopt},
        {"Left", Key(FcitxKey_Left), kRegistered, std::nullopt},
        {"a chord, no owner", Key(FcitxKey_o, {KeyState::Ctrl, KeyState::Alt}), {true, false, false}, std::nullopt},
        {"a chord, own window, no target",
         Key(FcitxKey_x, {KeyState::Ctrl, KeyState::Alt}),
         {false, true, true},
         ChosenKey{kCmdLookup, 0}},
        {"a chord with a digit", Key(FcitxKey_1, {KeyState::Ctrl, KeyState::Alt}), kRegistered, std::nullopt},
        {"a chord with AltGr too", Key(FcitxKey_o, {KeyState::Ctrl, KeyState::Alt, KeyState::Mod5}), kRegistered,
         std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseKey(c.key, c.situation), c.chosen) << c.name;
    }
}

}  // namespace
}  // namespace orvik::fcitxhook
