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
constexpr KeySituation kWordTyped{true, true, false, true};

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
        {"z", Key(FcitxKey_z), kRegistered, ChosenKey{'z', 0}},
        {"keypad 0", Key(FcitxKey_KP_0), kRegistered, ChosenKey{kVk0, 0}},
        {"keypad Up, a word typed", Key(FcitxKey_KP_Up), kWordTyped, ChosenKey{kVkUp, 0}},
        {"Up, no word", Key(FcitxKey_Up), kRegistered, std::nullopt},
        {"Backspace, no word", Key(FcitxKey_BackSpace), kRegistered, std::nullopt},
        {"Shift+space", Key(FcitxKey_space, KeyState::Shift), kRegistered, ChosenKey{kVkSpace, kShiftMask}},
        {"Shift+Escape, a word typed", Key(FcitxKey_Escape, KeyState::Shift), kWordTyped,
         ChosenKey{kVkEscape, kShiftMask}},
        {"comma, a word typed", Key(FcitxKey_comma), kWordTyped, ChosenKey{kVkComma, 0}},
        {"comma, no word", Key(FcitxKey_comma), kRegistered, std::nullopt},
        {"Enter, a word typed", Key(FcitxKey_Return), kWordTyped, ChosenKey{kVkReturn, 0}},
        {"keypad Enter, a word typed", Key(FcitxKey_KP_Enter), kWordTyped, ChosenKey{kVkReturn, 0}},
        {"Enter, no word", Key(FcitxKey_Return), kRegistered, std::nullopt},
        {"Tab, a word typed", Key(FcitxKey_Tab), kWordTyped, ChosenKey{kVkTab, 0}},
        {"?, a word typed", Key(FcitxKey_question, KeyState::Shift), kWordTyped, ChosenKey{kVkOem8, kShiftMask}},
        {"<, a word typed", Key(FcitxKey_less, KeyState::Shift), kWordTyped, ChosenKey{kVkOem8, kShiftMask}},
        {"?, no word", Key(FcitxKey_question, KeyState::Shift), kRegistered, std::nullopt},
        {"Ctrl+Enter, a word typed", Key(FcitxKey_Return, KeyState::Ctrl), kWordTyped, std::nullopt},
        {"a letter beyond ASCII, a word typed", Key(FcitxKey_eacute), kWordTyped, std::nullopt},
        {"Left, a word typed", Key(FcitxKey_Left), kWordTyped, std::nullopt},
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
