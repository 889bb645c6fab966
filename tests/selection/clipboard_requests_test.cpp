// Which requests for the clipboard are the application's paste: on a
// virtual X display (ctest runs it on one of its own), a request counts when
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

// The application in front, another process: its window takes the focus
// and it says so ("f"). Told to, it pastes once as a GTK 3 application on a
// busy machine does, naming a time older than the owner's, writes the text
// it got (nothing when refused) and ends.
void RunFocusedApplication(int told, int out) {
    xcb_connection_t* c = Connect();
    if (c == nullptr) return;
    const xcb_window_t window = MappedWindow(c);
    Focus(c, window);
    char order = 0;
    if (write(out, "f", 1) != 1 || read(told, &order, 1) != 1) return;
    constexpr xcb_timestamp_t kLongAgo = 1;
    const xcb_atom_t property = InternAtom(c, "ORVIK_PASTE");
    xcb_convert_selection(c, window, InternAtom(c, "CLIPBOARD"), InternAtom(c, "UTF8_STRING"), property, kLongAgo);
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool notify = (event->response_type & ~0x80) == XCB_SELECTION_NOTIFY;
        const bool served = notify && reinterpret_cast<xcb_selection_notify_event_t*>(event)->property != XCB_NONE;
        std::free(event);
        if (!notify) continue;
        if (!served) return;
        const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
        if (reply && write(out, xcb_get_property_value(reply.get()), xcb_get_property_value_length(reply.get())) < 0)
            _exit(1);
        return;
    }
}

TEST(ClipboardRequestsTest, OnlyTheFocusedApplicationsRequestIsThePasteAndItIsServed) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display (scripts/on-virtual-display gives it one)";
    xcb_connection_t* c = Connect();
    ASSERT_NE(c, nullptr) << "no connection to the X display " << std::getenv("DISPLAY");
    const xcb_window_t own = MappedWindow(c);

    // Forked before the program's Qt starts its threads.
    int told[2], out[2];
    ASSERT_EQ(pipe(told), 0);
    ASSERT_EQ(pipe(out), 0);
    const pid_t application = fork();
    if (application == 0) {
        RunFocusedApplication(told[0], out[1]);
        _exit(0);
    }
    close(told[0]);
    close(out[1]);
    char ready = 0;
    ASSERT_EQ(read(out[0], &ready, 1), 1) << "the application took no focus";
    EXPECT_FALSE(FromFocusedProcess(c, own)) << "a watcher's request";
    {
        const orvik::testing::TempDir runtime;  // Qt keeps a runtime folder: the test's own
        qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
        qputenv("QT_QPA_PLATFORM", "xcb");
        int argc = 1;
        char name[] = "selection_tests";
        char* argv[] = {name, nullptr};
        QGuiApplication program(argc, argv);
        const auto requests = ClipboardRequests::OnThisDisplay();
        ASSERT_NE(requests, nullptr);
        QGuiApplication::clipboard()->setText(QStringLiteral("一"));
        ASSERT_EQ(write(told[1], "p", 1), 1);
        std::string pasted;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (pasted.empty() && std::chrono::steady_clock::now() < deadline) {
            QGuiApplication::processEvents();
            pollfd readable{out[0], POLLIN, 0};
            char piece[256];
            if (poll(&readable, 1, 10) <= 0) continue;
            const ssize_t got = read(out[0], piece, sizeof piece);
            if (got <= 0) break;
            pasted.append(piece, static_cast<std::size_t>(got));
        }
        close(told[1]);
        close(out[0]);
        waitpid(application, nullptr, 0);
        EXPECT_EQ(pasted, "一") << "the focused application's old request";
    }
    Focus(c, own);
    EXPECT_TRUE(FromFocusedProcess(c, own)) << "the focused application's request";
    Focus(c, XCB_NONE);
    EXPECT_TRUE(FromFocusedProcess(c, own)) << "no window has the focus: counted, as before";
    xcb_disconnect(c);
}

}  // namespace
}  // namespace orvik
