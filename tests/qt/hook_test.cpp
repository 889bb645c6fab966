// Keys on the Qt desktop. Against a fake key hook on a local socket: what
// the hook is told, how its key events reach the windows and are answered
// after what they send, and what its reported focus stands for. And: key
// events become the codes and shift bits the key hook reports, releases in
// the program's own windows reach the window NhanDien registered, key
// strings act on the focused control, and the typed code is shown decoded
// by its box's font.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <optional>
#include <tuple>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "platform/qt/display_text.h"
#include "platform/qt/key_string.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_helpers.h"

namespace orvik {
namespace {

// The hook's end: takes the program's connection and keeps its lines.
class FakeHook {
public:
    FakeHook() : env_("ORVIK_HOOK_SOCKET", path_.toUtf8()) { Listen(); }

    void Listen() {
        server_ = std::make_unique<QLocalServer>();
        server_->listen(path_);
        QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
            program = server_->nextPendingConnection();
            QObject::connect(program, &QLocalSocket::readyRead, [this] {
                while (program->canReadLine()) lines.push_back(program->readLine().chopped(1).toStdString());
            });
        });
    }
    // The hook goes away, as when the input-method framework ends.
    void Stop() {
        server_.reset();
        program = nullptr;
    }
    void Say(const std::string& line) {
        program->write((line + "\n").c_str());
        program->flush();
    }
    bool Heard(const std::string& line, int ms = 3000) {
        return WaitFor([&] { return std::find(lines.begin(), lines.end(), line) != lines.end(); }, ms);
    }
    std::vector<std::string> Last3() const { return {lines.end() - 3, lines.end()}; }

    std::vector<std::string> lines;
    QLocalSocket* program = nullptr;  // the program's connection

private:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath("hook");
    ScopedEnv env_;
    std::unique_ptr<QLocalServer> server_;
};

using WindowKey = std::tuple<WindowHandle, std::int16_t, std::int16_t>;  // window, code, shift

// The windows' key sink is a window whose key handler sends a character
// and a key, as a pick does.
class HookTest : public testing::Test, public KeySink {
protected:
    void SetUp() override {
        platform.SetKeySink(this);
        platform.NhanDien(0, main);
        platform.InstallKeyHook();
        ASSERT_TRUE(WaitFor([&] { return hook.program != nullptr; }));
    }
    void TearDown() override { platform.SetKeySink(nullptr); }
    void KeyArrives(std::uint64_t number) override { arrived.push_back(number); }
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override {
        keys.emplace_back(window, keyCode, shift);
        platform.PostMessageW(platform.GetFocus(), kWmChar, 19968, 1);
        platform.keybd_event(kVkShift, kScanShift, 0);
    }
    void KeyGivenBack(std::uint64_t number) override { givenBack.push_back(number); }
    // The hook reports the input context focused; each test's in a new one.
    void Focus(const std::string& line, WindowHandle foreground) {
        hook.Say("focus " + line);
        ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == foreground; })) << line;
    }

    FakeHook hook;
    QtPlatform platform{"."};
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU);
    const WindowHandle candidates = platform.HandleOf(WindowId::HVTNP);
    std::vector<std::uint64_t> arrived, givenBack;
    std::vector<WindowKey> keys;
};

TEST_F(HookTest, AHookIsToldTheWindowsAndAskedForKeysAlsoWhenItComesBack) {
    const std::string registered = "register " + std::to_string(candidates) + " " + std::to_string(main);
    platform.NhanDien(candidates, main);
    ASSERT_TRUE(hook.Heard(registered));
    EXPECT_TRUE(hook.Heard("hook"));
    Focus("65538 0 1 zenity", 65538);

    hook.Stop();
    ASSERT_TRUE(WaitFor([&] { return !platform.HookConnected(); }));
    EXPECT_EQ(platform.PostMessageW(65538, kWmChar, 19968, 1), 0);
    hook.lines.clear();
    hook.Listen();
    ASSERT_TRUE(hook.Heard("hook", 5000));
    EXPECT_TRUE(hook.Heard(registered, 0));
    EXPECT_EQ(platform.PostMessageW(65538, kWmChar, 19968, 1), 1);

    platform.RemoveKeyHook();
    EXPECT_TRUE(hook.Heard("unhook"));
    EXPECT_FALSE(platform.HookConnected());
}

// A key's answer follows what its handler sent; a command (a code from 256
// on) is answered first, since it may wait on the clipboard. Damaged lines
// are dropped and the connection stays.
TEST_F(HookTest, KeyEventsReachTheirWindowAndAreAnsweredAfterWhatTheySend) {
    Focus("65538 0 1 gedit", 65538);
    hook.Say("keyup 1 261");
    hook.Say(std::string(600, 'x'));
    hook.Say("keyup 5 261 49 2");
    ASSERT_TRUE(hook.Heard("done 5"));
    EXPECT_EQ(hook.Last3(), (std::vector<std::string>{"char 5 65538 19968", "keybd 5 16 28 0", "done 5"}));
    hook.Say("keyup 6 256 382 0");
    ASSERT_TRUE(hook.Heard("keybd 6 16 28 0"));
    EXPECT_EQ(hook.Last3(), (std::vector<std::string>{"done 6", "char 6 65538 19968", "keybd 6 16 28 0"}));
    EXPECT_EQ(keys, (std::vector<WindowKey>{{261, 49, 2}, {256, 382, 0}}));

    // What the program sends on its own answers no key event.
    platform.keybd_event(kVkSpace, kVkSpace, kKeyEventKeyUp);
    EXPECT_TRUE(hook.Heard("keybd 0 32 32 2"));
    hook.Say("gaveback 5");
    hook.Say("keyup 7 261 50 0");
    ASSERT_TRUE(hook.Heard("done 7"));
    EXPECT_EQ(arrived, (std::vector<std::uint64_t>{5, 6, 7}));
    EXPECT_EQ(givenBack, std::vector<std::uint64_t>{5});
}

// The focused input context stands for the foreground window and its
// thread; the program's own context or none for the program's window.
// Terminals by name and GTK 4 applications (which drop keys an input method
// sends) do not paste with Ctrl+V. A message box raised while the user
// writes in another application leaves the keyboard there; raised over the
// program's own window, it takes it.
TEST_F(HookTest, TheFocusedInputContextStandsForTheForegroundWindow) {
    struct Case {
        std::string focus;
        WindowHandle window;
        bool own;
        bool pastes;
    };
    const Case cases[] = {{"65539 0 1 gedit", 65539, false, true},
                          {"65540 0 1 gnome-terminal-server", 65540, false, false},
                          {"65541 0 0 gnome-text-editor", 65541, false, false},
                          {"65542 1 1 orvik2004", main, true, true},
                          {"0 0 1 ", main, true, true}};
    for (const Case& c : cases) {
        Focus(c.focus, c.window);
        EXPECT_EQ(platform.GetFocus(), c.window) << c.focus;
        EXPECT_EQ(platform.IsOwnWindow(c.window), c.own) << c.focus;
        EXPECT_EQ(platform.ForegroundPastesWithCtrlV(), c.pastes) << c.focus;
        std::optional<bool> takesKeyboard;
        WhenAsked([&](QWidget* box) {
            if (box != nullptr) takesKeyboard = !box->testAttribute(Qt::WA_ShowWithoutActivating);
        });
        platform.MsgBox(u"Khong mo duoc", kMbExclamation, u"Orvik");
        EXPECT_EQ(takesKeyboard, c.own) << c.focus;
    }
}

// Releases in the program's own windows reach the window registered last,
// none while none is; a held key repeats its press, not its release, on the
// hook's desktop.
TEST_F(HookTest, OwnWindowReleasesReachTheWindowRegisteredLast) {
    const QKeyEvent h(QEvent::KeyRelease, Qt::Key_H, Qt::ShiftModifier, "H");
    platform.NhanDien(0, 0);
    platform.KeyReleased(h);
    platform.NhanDien(candidates, main);
    platform.KeyReleased(h);
    platform.KeyReleased(QKeyEvent(QEvent::KeyRelease, Qt::Key_H, Qt::NoModifier, "h", true));
    platform.NhanDien(0, main);
    platform.KeyReleased(h);
    EXPECT_EQ(keys, (std::vector<WindowKey>{{candidates, 72, 1}, {main, 72, 1}}));
}

// A pick in the "98" mode: the clipboard, Ctrl+V, Shift+Space. What follows
// the paste, the next pick's clipboard included, waits until the
// application has fetched it, or a while when none does.
TEST_F(HookTest, WhatFollowsAPasteWaitsUntilTheApplicationFetchedIt) {
    const auto pick = [&](std::u16string_view rtf) {
        platform.ClipboardClear();
        platform.ClipboardSetText(rtf, kClipboardRtf);
        platform.keybd_event(kVkControl, kScanControl, 0);
        platform.keybd_event(kVkV, kScanV, 0);
        platform.keybd_event(kVkV, kScanV, kKeyEventKeyUp);
        platform.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
        platform.keybd_event(kVkShift, kScanShift, 0);
    };
    const auto clipboard = [] { return QGuiApplication::clipboard()->mimeData()->text().toStdU16String(); };
    pick(u"{\\rtf1 \\u19968\\'3f}");
    ASSERT_TRUE(hook.Heard("keybd 0 17 29 2"));
    platform.ClipboardSetText(u"{\\rtf1 \\u20108\\'3f}", kClipboardRtf);
    EXPECT_FALSE(hook.Heard("keybd 0 16 28 0", 150));
    EXPECT_EQ(clipboard(), u"一");  // the application fetches
    ASSERT_TRUE(hook.Heard("keybd 0 16 28 0", 250));
    EXPECT_EQ(clipboard(), u"二");

    hook.lines.clear();
    pick(u"{\\rtf1 \\u19968\\'3f}");  // fetched by no one
    EXPECT_TRUE(hook.Heard("keybd 0 16 28 0", 1000));
}

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
