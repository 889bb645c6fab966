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
        bool takesKeyStrokes;
        KeyDelivery delivery;
    };
    const std::vector<Case> cases{
        {"Shift+Space after a pick", Key(FcitxKey_space, KeyState::Shift), true, AsText{" "}},
        {"a comma", Key(FcitxKey_comma), true, AsText{","}},
        {"a keypad digit", Key(FcitxKey_KP_2), false, AsText{"2"}},
        {"a capital", Key(FcitxKey_A, KeyState::Shift), true, AsText{"A"}},
        {"Ctrl+V", Key(FcitxKey_v, KeyState::Ctrl), true, AsKeyStroke{}},
        {"Ctrl+V where strokes are dropped", Key(FcitxKey_v, KeyState::Ctrl), false, AsKeyStroke{}},
        {"Backspace", Key(FcitxKey_BackSpace), true, AsKeyStroke{}},
        {"Backspace where strokes are dropped", Key(FcitxKey_BackSpace), false, AsDeletionBefore{}},
        {"Enter", Key(FcitxKey_Return), true, AsKeyStroke{}},
        {"Enter where strokes are dropped", Key(FcitxKey_Return), false, AsText{"\n"}},
        {"Tab where strokes are dropped", Key(FcitxKey_Tab), false, AsText{"\t"}},
        {"Up where strokes are dropped", Key(FcitxKey_Up), false, AsKeyStroke{}},
    };
    for (const Case& c : cases) EXPECT_EQ(DeliveryOf(c.key, c.takesKeyStrokes), c.delivery) << c.name;
}

}  // namespace
}  // namespace orvik::fcitxhook
