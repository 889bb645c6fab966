// Keys on the Qt desktop: key events become the codes and shift bits the
// key hook reports, releases in the program's own windows reach the window
// NhanDien registered, key strings act on the focused control, and the
// typed code is shown decoded by its box's font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "platform/qt/display_text.h"
#include "platform/qt/key_string.h"
#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

// Letters as typed (the text tells capitals, Caps Lock included; without
// text Shift does), shifted symbols as their US-layout key, keypad digits
// as digits; keys without a virtual-key code are not reported (-1).
TEST(HookKeysTest, MapsKeysAsTheHookReportsThem) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        std::int16_t code, shift;
    };
    const Case cases[] = {
        {Qt::Key_H, Qt::NoModifier, "H", 72, 0},
        {Qt::Key_H, Qt::ShiftModifier, "", 72, 1},
        {Qt::Key_Z, Qt::NoModifier, "", 122, 0},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 99, 2},
        {Qt::Key_Down, Qt::NoModifier, "", 40, 0},
        {Qt::Key_5, Qt::KeypadModifier, "5", 53, 0},
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", 49, 1},
        {Qt::Key_ParenRight, Qt::ShiftModifier, ")", 48, 1},
        {Qt::Key_Greater, Qt::ShiftModifier, ">", 190, 1},
        {Qt::Key_F1, Qt::AltModifier, "", 112, 4},
        {Qt::Key_Delete, Qt::ControlModifier | Qt::AltModifier, "", 46, 6},
        {Qt::Key_VolumeUp, Qt::NoModifier, "", -1, 0},
    };
    for (const Case& c : cases) {
        const auto key = HookKeyOf(c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(key ? key->code : -1, c.code) << std::hex << c.key;
        EXPECT_EQ(key ? key->shift : 0, c.shift) << std::hex << c.key;
    }
}

class RecordingSink : public KeySink {
public:
    void KeyArrives(std::uint64_t) override {}
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override {
        events.push_back({static_cast<std::int32_t>(window), keyCode, shift});
    }
    void KeyGivenBack(std::uint64_t) override {}
    std::vector<std::array<std::int32_t, 3>> events;  // window, code, shift
};

// A held key repeats its press, not its release, on the hook's desktop.
TEST(OwnWindowKeysTest, ReleasesReachTheWindowRegisteredLast) {
    QtPlatform platform(".");
    RecordingSink sink;
    platform.SetKeySink(&sink);
    const std::int32_t main = platform.HandleOf(WindowId::OrvikU), candidates = platform.HandleOf(WindowId::HVTNP);
    const QKeyEvent h(QEvent::KeyRelease, Qt::Key_H, Qt::ShiftModifier, "H");
    platform.KeyReleased(h);  // no window registered yet
    platform.NhanDien(candidates, main);
    platform.KeyReleased(h);
    platform.KeyReleased(QKeyEvent(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, "h", true));
    platform.NhanDien(0, main);
    platform.KeyReleased(h);
    EXPECT_EQ(sink.events, (std::vector<std::array<std::int32_t, 3>>{{candidates, 72, 1}, {main, 72, 1}}));
    platform.SetKeySink(nullptr);
}

TEST(KeyStringTest, NamesKeysAfterTheirModifiersAndActsBeforeItReturns) {
    const std::vector<KeyStroke> strokes{{Qt::Key_Home, Qt::ShiftModifier, {}}, {Qt::Key_A, Qt::ShiftModifier, "A"},
                                         {Qt::Key_C, Qt::ControlModifier, QString(QChar(3))},
                                         {Qt::Key_1, Qt::AltModifier, "1"}};
    EXPECT_EQ(ParseKeyString(u"+{home}A^c{NONE}%1"), strokes);

    QtPlatform platform(".");
    QLineEdit edit("hòa");
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    edit.setCursorPosition(0);
    if (QApplication::focusWidget() != &edit) GTEST_SKIP() << "this display gives no keyboard focus";
    platform.SendKeys(u"^{END}");  // a one-line box moves on End without Ctrl
    EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST(DisplayTextTest, DecodesByTheFontsCodeAndShowsOtherFontsAsItIs) {
    const auto typed = [](std::int16_t code, std::u16string_view keys) {
        LetterTables tables;
        BuildLetterTables(tables, code);
        return TelexToCode(tables, PlaceToneKey(keys, false));
    };
    for (const auto& [font, code] : {std::pair{u"VNtimes new roman", kVietWareX}, {u".VnTime", kTcvn3},
                                     {u"Tcvnssfont", kTcvn3}, {u"vni-times", kVniWindows}})
        EXPECT_EQ(DisplayText(typed(code, u"nguwowif"), font), u"người") << code;
    EXPECT_EQ(DisplayText(typed(kVietWareX, u"hoaf"), u"Arial"), typed(kVietWareX, u"hoaf"));
}

}  // namespace
}  // namespace orvik
