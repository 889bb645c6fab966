// The keys forwarded for the program's synthesized strokes: every virtual
// key it may stroke has its key, and the modifiers it holds go with them.
#include "synthesized_keys.h"

#include <gtest/gtest.h>

#include <vector>

#include "codes/desktop_codes.h"

namespace orvik::fcitxhook {
namespace {

using fcitx::Key;
using fcitx::KeyState;

TEST(SynthesizedKeysTest, VirtualKeysBecomeKeysWithTheHeldModifiers) {
    struct Case {
        std::vector<std::int16_t> held;
        std::int16_t vk;
        std::optional<Key> key;
    };
    const std::vector<Case> cases{
        {{}, kVkPrior, Key(FcitxKey_Prior)},
        {{}, kVkNext, Key(FcitxKey_Next)},
        {{}, kVkInsert, Key(FcitxKey_Insert)},
        {{}, kVkHome, Key(FcitxKey_Home)},
        {{}, kVkReturn, Key(FcitxKey_Return)},
        {{}, kVkF1, Key(FcitxKey_F1)},
        {{}, kVkF12, Key(FcitxKey_F12)},
        {{}, kVk0, Key(FcitxKey_0)},
        {{}, kVk9, Key(FcitxKey_9)},
        {{}, kVk0 - 1, std::nullopt},
        {{}, kVkZ, Key(FcitxKey_z)},
        {{}, kVkComma, Key(FcitxKey_comma)},
        {{kVkShift}, kVkZ, Key(FcitxKey_Z, KeyState::Shift)},
        {{kVkControl, kVkShift}, kVkHome, Key(FcitxKey_Home, {KeyState::Ctrl, KeyState::Shift})},
        {{kVkMenu}, kVkF1 + 3, Key(FcitxKey_F4, KeyState::Alt)},
        {{}, kVkF12 + 1, std::nullopt},
        {{}, kVkZ + 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SynthesizedKeys keys;
        for (std::int16_t vk : c.held) EXPECT_TRUE(keys.SetModifier(static_cast<std::uint8_t>(vk), false));
        EXPECT_EQ(keys.KeyFor(static_cast<std::uint8_t>(c.vk)), c.key) << "virtual key " << c.vk;
    }
}

}  // namespace
}  // namespace orvik::fcitxhook
