// How key strokes reach an input context: typing keys as text, and what
// stands in for the others where forwarded keys are dropped.
#include "key_delivery.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvik::fcitxhook {
namespace {

using fcitx::Key;
using fcitx::KeyState;

TEST(KeyDeliveryTest, KeysTypeTextOrGoAsStrokes) {
    struct Case {
        const char* name;
        Key key;
        ContextAbilities context;
        KeyDelivery delivery;
    };
    const std::vector<Case> cases{
        {"Shift+Space after a pick", Key(FcitxKey_space, KeyState::Shift), {true, false}, AsText{" "}},
        {"a comma", Key(FcitxKey_comma), {true, false}, AsText{","}},
        {"a keypad digit", Key(FcitxKey_KP_2), {false, false}, AsText{"2"}},
        {"a capital", Key(FcitxKey_A, KeyState::Shift), {true, false}, AsText{"A"}},
        {"Ctrl+V", Key(FcitxKey_v, KeyState::Ctrl), {true, false}, AsKeyStroke{}},
        {"Ctrl+V where strokes are dropped", Key(FcitxKey_v, KeyState::Ctrl), {false, false}, AsKeyStroke{}},
        {"Backspace", Key(FcitxKey_BackSpace), {true, false}, AsKeyStroke{}},
        {"Backspace where the text around the cursor is known", Key(FcitxKey_BackSpace), {true, true},
         AsDeletionBefore{}},
        {"Backspace where strokes are dropped", Key(FcitxKey_BackSpace), {false, false}, AsDeletionBefore{}},
        {"Enter", Key(FcitxKey_Return), {true, false}, AsKeyStroke{}},
        {"Enter where strokes are dropped", Key(FcitxKey_Return), {false, false}, AsText{"\n"}},
        {"Tab where strokes are dropped", Key(FcitxKey_Tab), {false, false}, AsText{"\t"}},
        {"Up where strokes are dropped", Key(FcitxKey_Up), {false, false}, AsKeyStroke{}},
    };
    for (const Case& c : cases) EXPECT_EQ(DeliveryOf(c.key, c.context), c.delivery) << c.name;
}

}  // namespace
}  // namespace orvik::fcitxhook
