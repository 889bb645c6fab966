// The Qt platform against a fake key hook on a local socket: what the hook
// is told, how its key events reach the windows and are answered after what
// they send, and what its reported focus stands for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "logging_platform.h"

namespace orvik {
namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    const QDeadlineTimer deadline(ms);
    while (!done())
        if (deadline.hasExpired()) return false;
        else QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return true;
}

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
                buffer_ += program->readAll().toStdString();
                for (std::size_t end; (end = buffer_.find('\n')) != std::string::npos; buffer_.erase(0, end + 1))
                    lines.push_back(buffer_.substr(0, end));
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
    std::string buffer_;
};

// A window whose key handler sends a character and a key, as a pick does.
class PickingSink : public KeySink {
public:
    explicit PickingSink(Platform& platform) : platform_(platform) {}
    void KeyArrives(std::uint64_t number) override { arrived.push_back(number); }
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override {
        keys.push_back({static_cast<std::int32_t>(window), keyCode, shift});
        platform_.PostMessageW(platform_.GetFocus(), kWmChar, 19968, 1);
        platform_.keybd_event(kVkShift, kScanShift, 0);
    }
    void KeyGivenBack(std::uint64_t number) override { givenBack.push_back(number); }
    std::vector<std::uint64_t> arrived, givenBack;
    std::vector<std::array<std::int32_t, 3>> keys;  // window, code, shift

private:
    Platform& platform_;
};

class HookTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetKeySink(&sink);
        platform.NhanDien(0, main);
        platform.InstallKeyHook();
        ASSERT_TRUE(WaitFor([&] { return hook.program != nullptr; }));
    }
    void TearDown() override { platform.SetKeySink(nullptr); }
    // The hook reports the input context focused; each test's in a new one.
    void Focus(const std::string& line, WindowHandle foreground) {
        hook.Say("focus " + line);
        ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == foreground; })) << line;
    }

    FakeHook hook;
    QtPlatform platform{"."};
    PickingSink sink{platform};
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU);
    const WindowHandle candidates = platform.HandleOf(WindowId::HVTNP);
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
    EXPECT_EQ(sink.keys, (std::vector<std::array<std::int32_t, 3>>{{261, 49, 2}, {256, 382, 0}}));

    // What the program sends on its own answers no key event.
    platform.keybd_event(kVkSpace, kVkSpace, kKeyEventKeyUp);
    EXPECT_TRUE(hook.Heard("keybd 0 32 32 2"));
    hook.Say("gaveback 5");
    hook.Say("keyup 7 261 50 0");
    ASSERT_TRUE(hook.Heard("done 7"));
    EXPECT_EQ(sink.arrived, (std::vector<std::uint64_t>{5, 6, 7}));
    EXPECT_EQ(sink.givenBack, std::vector<std::uint64_t>{5});
}

// The focused input context stands for the foreground window and its
// thread; the program's own context or none for the program's window.
// Terminals by name and GTK 4 applications (which drop keys an input method
// sends) do not paste with Ctrl+V.
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
    }
}

// A box raised while the user writes in another application leaves the
// keyboard there; raised over the program's own window, it takes it.
TEST_F(HookTest, AMessageBoxTakesTheKeyboardOnlyFromTheProgramsOwnWindows) {
    for (const auto& [focus, foreground, keptAway] :
         {std::tuple{"65538 0 1 gedit", WindowHandle{65538}, true}, {"65540 1 1 orvik2004", main, false}}) {
        Focus(focus, foreground);
        bool shownWithout = !keptAway;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shownWithout = box->testAttribute(Qt::WA_ShowWithoutActivating);
            box->done(QMessageBox::Ok);
        });
        platform.MsgBox(u"Khong mo duoc", kMbExclamation, u"Orvik");
        EXPECT_EQ(shownWithout, keptAway) << focus;
    }
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

}  // namespace
}  // namespace orvik
