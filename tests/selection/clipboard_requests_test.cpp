// Which requests for the clipboard are the application's paste: on a
// virtual X display (the test runs under xvfb-run), a request counts when
// it comes from the process whose window has the keyboard focus, and not
// when another process (a clipboard watcher) makes it.
#include "platform/qt/clipboard_requests.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

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

// Another process, the application in front: its window takes the focus,
// and it waits until its pipe closes.
class FocusedApplication {
public:
    FocusedApplication() {
        int ready[2];
        int hold[2];
        if (pipe(ready) != 0 || pipe(hold) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(hold[1]);
            xcb_connection_t* c = Connect();
            if (c == nullptr) _exit(1);
            Focus(c, MappedWindow(c));
            const char done = 1;
            if (write(ready[1], &done, 1) != 1) _exit(1);
            char ignored;
            while (read(hold[0], &ignored, 1) > 0) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(hold[0]);
        hold_ = hold[1];
        char done = 0;
        focused_ = read(ready[0], &done, 1) == 1;
        close(ready[0]);
    }
    ~FocusedApplication() {
        if (hold_ >= 0) close(hold_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    bool focused() const { return focused_; }

private:
    pid_t pid_ = -1;
    int hold_ = -1;
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

}  // namespace
}  // namespace orvik
