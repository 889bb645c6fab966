// Which requests for the clipboard are the application's paste: on a
// virtual X display (the test runs under xvfb-run), a request counts when
// it comes from the process whose window has the keyboard focus, and not
// when another process (a clipboard watcher) makes it; the focused
// application is served whatever time its request names.
#include "platform/qt/clipboard_requests.h"
#include "platform/qt/xcb_reply.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>

#include "temp_dir.h"

namespace orvik {
namespace {

// An X server resets when its last client leaves and refuses connections
// meanwhile, as it may just have done after another test.
xcb_connection_t* Connect() {
    for (int attempt = 0; attempt < 40; ++attempt) {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c) == 0) return c;
        xcb_disconnect(c);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

xcb_window_t MappedWindow(xcb_connection_t* c) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 10, 10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(c, window);
    return window;
}

void Focus(xcb_connection_t* c, xcb_window_t window) {
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_NONE, window, XCB_CURRENT_TIME);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));  // done when answered
}

// As a GTK 3 application on a busy machine does: asks for the clipboard's
// text naming a time older than the owner's. Writes what it got to `out`,
// or nothing when it was refused.
void PasteWithAnOldTime(xcb_connection_t* c, xcb_window_t window, int out) {
    constexpr xcb_timestamp_t kLongAgo = 1;
    const xcb_atom_t property = InternAtom(c, "ORVIK_PASTE");
    xcb_convert_selection(c, window, InternAtom(c, "CLIPBOARD"), InternAtom(c, "UTF8_STRING"), property, kLongAgo);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool notify = (event->response_type & ~0x80) == XCB_SELECTION_NOTIFY;
        const bool served = notify && reinterpret_cast<xcb_selection_notify_event_t*>(event)->property != XCB_NONE;
        std::free(event);
        if (!notify) continue;
        if (served) {
            const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
                c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
            if (reply && write(out, xcb_get_property_value(reply.get()), xcb_get_property_value_length(reply.get())) < 0)
                _exit(1);
        }
        return;
    }
}

// Another process, the application in front: its window takes the focus;
// told to, it pastes; it ends when its pipe closes. Forked before the
// program's Qt starts its threads.
class FocusedApplication {
public:
    FocusedApplication() {
        int ready[2];
        int told[2];
        int pasted[2];
        if (pipe(ready) != 0 || pipe(told) != 0 || pipe(pasted) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(told[1]);
            close(pasted[0]);
            xcb_connection_t* c = Connect();
            if (c == nullptr) _exit(1);
            const xcb_window_t window = MappedWindow(c);
            Focus(c, window);
            if (write(ready[1], "f", 1) != 1) _exit(1);
            char order = 0;
            while (read(told[0], &order, 1) > 0) PasteWithAnOldTime(c, window, pasted[1]);
            _exit(0);
        }
        close(ready[1]);
        close(told[0]);
        close(pasted[1]);
        told_ = told[1];
        pasted_ = pasted[0];
        char answer = 0;
        focused_ = read(ready[0], &answer, 1) == 1;
        close(ready[0]);
    }
    ~FocusedApplication() {
        Quit();
        if (pasted_ >= 0) close(pasted_);
    }
    bool focused() const { return focused_; }
    void Paste() { focused_ = write(told_, "p", 1) == 1; }
    int pasted() const { return pasted_; }
    // Done pasting: its end closes what it pasted.
    void Quit() {
        if (told_ >= 0) close(std::exchange(told_, -1));
        if (pid_ > 0) waitpid(std::exchange(pid_, -1), nullptr, 0);
    }

private:
    pid_t pid_ = -1;
    int told_ = -1;
    int pasted_ = -1;
    bool focused_ = false;
};

TEST(ClipboardRequestsTest, OnlyTheFocusedApplicationsRequestIsThePaste) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display (run it under xvfb-run)";
    xcb_connection_t* c = Connect();
    ASSERT_NE(c, nullptr) << "no connection to the X display " << std::getenv("DISPLAY");
    const xcb_window_t own = MappedWindow(c);
    {
        FocusedApplication application;
        ASSERT_TRUE(application.focused());
        EXPECT_FALSE(FromFocusedProcess(c, own)) << "a watcher's request";
    }
    Focus(c, own);
    EXPECT_TRUE(FromFocusedProcess(c, own)) << "the focused application's request";
    Focus(c, XCB_NONE);
    EXPECT_TRUE(FromFocusedProcess(c, own)) << "no window has the focus: counted, as before";
    xcb_disconnect(c);
}

TEST(ClipboardRequestsTest, TheFocusedApplicationIsServedWhateverTimeItNames) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display (run it under xvfb-run)";
    FocusedApplication application;
    ASSERT_TRUE(application.focused());

    // Qt keeps a runtime folder: the test's own.
    const orvik::testing::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char name[] = "selection_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication program(argc, argv);
    const auto requests = ClipboardRequests::OnThisDisplay();
    ASSERT_NE(requests, nullptr);
    QGuiApplication::clipboard()->setText(QStringLiteral("一"));
    application.Paste();

    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (text.empty() && std::chrono::steady_clock::now() < deadline) {
        QGuiApplication::processEvents();
        pollfd readable{application.pasted(), POLLIN, 0};
        if (poll(&readable, 1, 10) <= 0) continue;
        char piece[256];
        const ssize_t got = read(application.pasted(), piece, sizeof piece);
        if (got <= 0) break;
        text.append(piece, static_cast<std::size_t>(got));
    }
    application.Quit();
    EXPECT_EQ(text, "一");
}

}  // namespace
}  // namespace orvik
