// The Qt platform's keyboard hook against a fake key hook on a local socket:
// what the program tells the hook, how the hook's key events reach the
// windows and are answered, and what the reported focus stands for.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// The hook's end: takes the program's connection and keeps its lines.
class FakeHook {
public:
    FakeHook() : path_(dir_.filePath("hook")) {
        qputenv("ORVIK_HOOK_SOCKET", path_.toUtf8());
        Listen();
    }
    ~FakeHook() { qputenv("ORVIK_HOOK_SOCKET", QTemporaryDir().filePath("none").toUtf8()); }
    FakeHook(const FakeHook&) = delete;
    FakeHook& operator=(const FakeHook&) = delete;

    void Listen() {
        server_ = std::make_unique<QLocalServer>();
        server_->listen(path_);
        QObject::connect(server_.get(), &QLocalServer::newConnection, [this] {
            program_ = server_->nextPendingConnection();
            QObject::connect(program_, &QLocalSocket::readyRead, [this] {
                buffer_ += program_->readAll().toStdString();
                for (std::size_t end; (end = buffer_.find('\n')) != std::string::npos; buffer_.erase(0, end + 1))
                    lines.push_back(buffer_.substr(0, end));
            });
        });
    }
    // The hook goes away, as when the input-method framework ends.
    void Stop() {
        server_.reset();
        program_ = nullptr;
    }
    void Say(const std::string& line) {
        program_->write((line + "\n").c_str());
        program_->flush();
    }
    bool Connected() const { return program_ != nullptr; }
    // Waits until the program has said `line`.
    bool Heard(const std::string& line, int ms = 3000) {
        return WaitFor([&] { return std::find(lines.begin(), lines.end(), line) != lines.end(); }, ms);
    }

    std::vector<std::string> lines;

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<QLocalServer> server_;
    QLocalSocket* program_ = nullptr;
    std::string buffer_;
};

// A window's key handler that sends a character and a key, as a pick does.
class PickingSink : public KeySink {
public:
    explicit PickingSink(Platform& platform) : platform_(platform) {}
    void KeyArrives(std::uint64_t number) override { arrived.push_back(number); }
    void KeyUp(WindowHandle window, std::int16_t& keyCode, std::int16_t shift) override {
        events.push_back({window, keyCode, shift});
        platform_.PostMessageW(platform_.GetFocus(), kWmChar, 19968, 1);
        platform_.keybd_event(kVkShift, kScanShift, 0);
    }
    void KeyGivenBack(std::uint64_t number) override { givenBack.push_back(number); }
    std::vector<std::uint64_t> arrived, givenBack;
    struct Event {
        WindowHandle window;
        std::int16_t code, shift;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;

private:
    Platform& platform_;
};

// Installs the hook as the main window's creation does.
void InstallHook(QtPlatform& platform) {
    platform.NhanDien(0, platform.HandleOf(WindowId::OrvikU));
    platform.InstallKeyHook();
}

// The platform with its hook installed and connected to the fake hook, and
// a window that picks on every key.
class QtPlatformHookTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.SetKeySink(&sink);
        InstallHook(platform);
        ASSERT_TRUE(WaitFor([&] { return hook.Connected(); }));
    }
    void TearDown() override { platform.SetKeySink(nullptr); }

    FakeHook hook;
    QtPlatform platform{"."};
    PickingSink sink{platform};
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU);
    const WindowHandle candidates = platform.HandleOf(WindowId::HVTNP);
};

TEST_F(QtPlatformHookTest, InstallingConnectsRegistersAndAsksForKeys) {
    platform.NhanDien(candidates, main);
    ASSERT_TRUE(hook.Heard("register " + std::to_string(candidates) + " " + std::to_string(main)));
    EXPECT_TRUE(platform.HookConnected());
    EXPECT_EQ(hook.lines, (std::vector<std::string>{"register 0 " + std::to_string(main), "hook",
                                                    "register " + std::to_string(candidates) + " " +
                                                        std::to_string(main)}));

    platform.RemoveKeyHook();
    EXPECT_TRUE(hook.Heard("unhook"));
    EXPECT_FALSE(platform.HookConnected());
}

TEST_F(QtPlatformHookTest, KeyEventsReachTheirWindowAndAreAnsweredAfterWhatTheySend) {
    hook.Say("focus 65538 0 1 gedit");
    hook.Say("keyup 5 261 49 2");
    ASSERT_TRUE(hook.Heard("done 5"));
    EXPECT_EQ(sink.events, (std::vector<PickingSink::Event>{{261, 49, 2}}));
    const std::vector<std::string> answer(hook.lines.end() - 3, hook.lines.end());
    EXPECT_EQ(answer, (std::vector<std::string>{"char 5 65538 19968", "keybd 5 16 28 0", "done 5"}));

    // A command is answered before it runs: it may wait on the clipboard.
    hook.Say("keyup 6 256 382 0");
    ASSERT_TRUE(hook.Heard("done 6"));
    const std::vector<std::string> command(hook.lines.end() - 3, hook.lines.end());
    EXPECT_EQ(command, (std::vector<std::string>{"done 6", "char 6 65538 19968", "keybd 6 16 28 0"}));

    // What the program sends on its own answers no key event.
    platform.keybd_event(kVkSpace, kVkSpace, kKeyEventKeyUp);
    EXPECT_TRUE(hook.Heard("keybd 0 32 32 2"));

    // A key the hook gave back while it waited here is undone by its number.
    hook.Say("gaveback 5");
    hook.Say("keyup 7 261 50 0");
    ASSERT_TRUE(hook.Heard("done 7"));
    EXPECT_EQ(sink.arrived, (std::vector<std::uint64_t>{5, 6, 7}));
    EXPECT_EQ(sink.givenBack, std::vector<std::uint64_t>{5});
}

// Terminals by name; GTK 4 applications, which drop the keys an input
// method sends, by what the hook says of their input context.
TEST_F(QtPlatformHookTest, TerminalsAndGtk4AreKnownNotToPasteWithCtrlV) {
    const std::pair<std::string, bool> cases[] = {{"1 gedit", true},
                                                  {"1 xterm", false},
                                                  {"1 gnome-terminal-server", false},
                                                  {"1 soffice", true},
                                                  {"1 konsole", false},
                                                  {"0 gnome-text-editor", false}};
    // Each focus in a new input context, so that its arrival shows.
    WindowHandle window = 65538;
    for (const auto& [program, pastes] : cases) {
        ++window;
        hook.Say("focus " + std::to_string(window) + " 0 " + program);
        ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == window; })) << program;
        EXPECT_EQ(platform.ForegroundPastesWithCtrlV(), pastes) << program;
    }
}

// A box raised while the user writes in another application leaves the
// keyboard there; raised over the program's own window, it takes it.
TEST_F(QtPlatformHookTest, AMessageBoxTakesTheKeyboardOnlyFromTheProgramsOwnWindows) {
    struct Case {
        std::string focus;
        WindowHandle foreground;
        bool takesKeyboard;
    };
    for (const Case& c : {Case{"focus 65538 0 1 gedit", 65538, false}, Case{"focus 65540 1 1 orvik2004", main, true}}) {
        hook.Say(c.focus);
        ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == c.foreground; })) << c.focus;
        bool keptAway = c.takesKeyboard;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            keptAway = box->testAttribute(Qt::WA_ShowWithoutActivating);
            box->done(QMessageBox::Ok);
        });
        platform.MsgBox(u"Khong mo duoc", kMbExclamation, u"Orvik");
        EXPECT_EQ(keptAway, !c.takesKeyboard) << c.focus;
    }
}

TEST_F(QtPlatformHookTest, TheFocusedInputContextStandsForTheForegroundWindow) {
    struct Case {
        std::string focus;
        WindowHandle window;
        ThreadId thread;
    };
    for (const Case& c : {Case{"focus 65538 0 1 zenity", 65538, 65538}, Case{"focus 65540 1 1 orvik2004", main, 1},
                          Case{"focus 0 0 1 ", main, 1}}) {
        hook.Say(c.focus);
        ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == c.window; })) << c.focus;
        EXPECT_EQ(platform.GetFocus(), c.window) << c.focus;
        EXPECT_EQ(platform.GetWindowThreadProcessId(c.window), c.thread) << c.focus;
    }
    EXPECT_TRUE(platform.AttachThreadInput(QtPlatform::kOwnThread, 65538, true));
}

TEST_F(QtPlatformHookTest, AHookThatComesBackIsToldAgain) {
    platform.NhanDien(candidates, main);
    ASSERT_TRUE(hook.Heard("hook"));
    hook.Say("focus 65538 0 1 zenity");
    ASSERT_TRUE(WaitFor([&] { return platform.GetForegroundWindow() == 65538; }));

    hook.Stop();
    ASSERT_TRUE(WaitFor([&] { return !platform.HookConnected(); }));
    EXPECT_EQ(platform.PostMessageW(65538, kWmChar, 19968, 1), 0);
    hook.lines.clear();
    hook.Listen();
    ASSERT_TRUE(hook.Heard("hook", 5000));
    EXPECT_EQ(hook.lines, (std::vector<std::string>{
                              "register " + std::to_string(candidates) + " " + std::to_string(main), "hook"}));
    EXPECT_EQ(platform.PostMessageW(65538, kWmChar, 19968, 1), 1);
}

TEST_F(QtPlatformHookTest, DamagedLinesFromTheHookAreDropped) {
    hook.Say("keyup 1 261");
    hook.Say(std::string(600, 'x'));
    hook.Say("launch 1");
    hook.Say("keyup 2 261 104 0");
    ASSERT_TRUE(hook.Heard("done 2"));
    EXPECT_EQ(sink.events, (std::vector<PickingSink::Event>{{261, 104, 0}}));
    EXPECT_TRUE(platform.HookConnected());
}

// A pick in the "98" mode: the clipboard, Ctrl+V, then Shift+Space.
void PasteThenShiftSpace(QtPlatform& platform, std::u16string_view rtf) {
    platform.ClipboardClear();
    platform.ClipboardSetText(rtf, kClipboardRtf);
    platform.keybd_event(kVkControl, kScanControl, 0);
    platform.keybd_event(kVkV, kScanV, 0);
    platform.keybd_event(kVkV, kScanV, kKeyEventKeyUp);
    platform.keybd_event(kVkControl, kScanControl, kKeyEventKeyUp);
    platform.keybd_event(kVkShift, kScanShift, 0);
}

QString ClipboardText() { return QGuiApplication::clipboard()->mimeData()->text(); }

TEST_F(QtPlatformHookTest, WhatFollowsAPasteWaitsUntilTheApplicationFetchedIt) {
    PasteThenShiftSpace(platform, u"{\\rtf1 \\u19968\\'3f}");
    ASSERT_TRUE(hook.Heard("keybd 0 17 29 2"));
    // The next pick's clipboard waits too, or the application would paste it.
    platform.ClipboardClear();
    platform.ClipboardSetText(u"{\\rtf1 \\u20108\\'3f}", kClipboardRtf);
    EXPECT_FALSE(hook.Heard("keybd 0 16 28 0", 150));

    EXPECT_EQ(ClipboardText(), QString::fromStdU16String(u"一"));  // the application fetches
    ASSERT_TRUE(hook.Heard("keybd 0 16 28 0", 250));
    EXPECT_EQ(ClipboardText(), QString::fromStdU16String(u"二"));
}

TEST_F(QtPlatformHookTest, APasteNoApplicationFetchesHoldsNothingUpForLong) {
    PasteThenShiftSpace(platform, u"{\\rtf1 \\u19968\\'3f}");
    EXPECT_TRUE(hook.Heard("keybd 0 16 28 0", 1000));
}

TEST(QtPlatformNoHookTest, TheLibraryStillLoadsButNothingLeaves) {
    QTemporaryDir empty;
    qputenv("ORVIK_HOOK_SOCKET", empty.filePath("hook").toUtf8());
    QtPlatform platform(".");
    EXPECT_EQ(platform.NhanDien(0, platform.HandleOf(WindowId::OrvikU)), 0);
    EXPECT_TRUE(platform.InstallKeyHook());
    EXPECT_FALSE(platform.HookConnected());
    EXPECT_EQ(platform.PostMessageW(QtPlatform::kOtherFocus, kWmChar, 19968, 1), 0);
    EXPECT_FALSE(platform.AttachThreadInput(QtPlatform::kOwnThread, QtPlatform::kOtherThread, true));
}

}  // namespace
}  // namespace orvik
