// Qt key events become the key codes and shift bits the keyboard hook
// reports to the candidate window.
#include <gtest/gtest.h>

#include "platform/qt/hook_keys.h"

namespace orvik {
namespace {

TEST(HookKeysTest, MapsKeysAsTheHookReportsThem) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        std::int16_t code, shift;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 97, 0},
        {Qt::Key_Z, Qt::NoModifier, "z", 122, 0},
        {Qt::Key_H, Qt::ShiftModifier, "H", 72, 1},
        {Qt::Key_H, Qt::NoModifier, "H", 72, 0},       // Caps Lock: the text tells
        {Qt::Key_H, Qt::ShiftModifier, "", 72, 1},     // no text: Shift tells
        {Qt::Key_H, Qt::NoModifier, "", 104, 0},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 99, 2},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8, 0},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27, 0},
        {Qt::Key_Space, Qt::ShiftModifier, " ", 32, 1},
        {Qt::Key_Up, Qt::NoModifier, "", 38, 0},
        {Qt::Key_Down, Qt::NoModifier, "", 40, 0},
        {Qt::Key_0, Qt::NoModifier, "0", 48, 0},
        {Qt::Key_7, Qt::ControlModifier, "7", 55, 2},
        {Qt::Key_5, Qt::KeypadModifier, "5", 53, 0},
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", 49, 1},
        {Qt::Key_ParenRight, Qt::ShiftModifier, ")", 48, 1},
        {Qt::Key_Comma, Qt::NoModifier, ",", 188, 0},
        {Qt::Key_Period, Qt::NoModifier, ".", 190, 0},
        {Qt::Key_Greater, Qt::ShiftModifier, ">", 190, 1},
        {Qt::Key_F1, Qt::AltModifier, "", 112, 4},
        {Qt::Key_Delete, Qt::ControlModifier | Qt::AltModifier, "", 46, 6},
    };
    for (const Case& c : cases) {
        const auto key = HookKeyOf(c.key, c.modifiers, QString::fromLatin1(c.text));
        ASSERT_TRUE(key.has_value()) << c.key;
        EXPECT_EQ(key->code, c.code) << c.key << " " << c.text;
        EXPECT_EQ(key->shift, c.shift) << c.key << " " << c.text;
    }
}

TEST(HookKeysTest, KeysWithoutVirtualKeyCodeAreNotReported) {
    for (int key : {int(Qt::Key_unknown), int(Qt::Key_VolumeUp), int(Qt::Key_Adiaeresis)})
        EXPECT_FALSE(HookKeyOf(key, Qt::NoModifier, "").has_value()) << key;
}

}  // namespace
}  // namespace orvik
