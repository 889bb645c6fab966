// The bounded selection read against a fake owner of the CLIPBOARD on a
// virtual X display (the test runs under xvfb-run): whole, larger than the
// limit in one piece, and 50 MB announced in pieces served slowly.
#include "platform/qt/x11_selection.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace orvik {
namespace {

using Clock = std::chrono::steady_clock;
constexpr std::size_t kLimit = 512 * 1024;
constexpr std::size_t kPiece = 64 * 1024;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    if (reply == nullptr) {
        ADD_FAILURE() << "the fake owner lost its X connection (error " << xcb_connection_has_error(c) << ")";
        return XCB_ATOM_NONE;
    }
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// Owns the CLIPBOARD and offers "text/rtf": at once, or announced as
// `announced` bytes (INCR) and served in pieces `pause` apart.
class FakeOwner {
public:
    FakeOwner(std::string bytes, bool incremental, std::size_t announced = 0, std::chrono::milliseconds pause = {})
        : bytes_(std::move(bytes)), incremental_(incremental), announced_(announced), pause_(pause) {
        c_ = xcb_connect(nullptr, nullptr);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        window_ = xcb_generate_id(c_);
        xcb_create_window(c_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, 0, nullptr);
        clipboard_ = Atom(c_, "CLIPBOARD");
        targets_ = Atom(c_, "TARGETS");
        rtf_ = Atom(c_, "text/rtf");
        incr_ = Atom(c_, "INCR");
        xcb_set_selection_owner(c_, window_, clipboard_, XCB_CURRENT_TIME);
        xcb_get_maximum_request_length(c_);  // big requests, for pieces past 256 KiB
        xcb_flush(c_);
        thread_ = std::thread([this] { Serve(); });
    }
    ~FakeOwner() {
        stop_ = true;
        thread_.join();
        xcb_disconnect(c_);
    }

private:
    void Notify(const xcb_selection_request_event_t& request, xcb_atom_t property) {
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = property;
        notify.time = request.time;
        xcb_send_event(c_, 0, request.requestor, 0, reinterpret_cast<const char*>(&notify));
    }

    void Answer(const xcb_selection_request_event_t& request) {
        if (request.target == targets_) {
            const xcb_atom_t offered[] = {targets_, rtf_};
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, request.property, XCB_ATOM_ATOM, 32, 2, offered);
        } else if (!incremental_) {
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, request.property, rtf_, 8,
                                static_cast<std::uint32_t>(bytes_.size()), bytes_.data());
        } else {
            const std::uint32_t size = static_cast<std::uint32_t>(announced_);
            const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
            xcb_change_window_attributes(c_, request.requestor, XCB_CW_EVENT_MASK, &events);
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, request.property, incr_, 32, 1, &size);
            requestor_ = request.requestor;
            property_ = request.property;
        }
        Notify(request, request.property);
        xcb_flush(c_);
    }

    // The requestor took a piece (deleted the property): the next one, slowly.
    void NextPiece() {
        std::this_thread::sleep_for(pause_);
        const std::size_t size = std::min(kPiece, bytes_.size() - sent_);
        xcb_change_property(c_, XCB_PROP_MODE_REPLACE, requestor_, property_, rtf_, 8, static_cast<std::uint32_t>(size),
                            bytes_.data() + sent_);
        sent_ += size;
        xcb_flush(c_);
    }

    void Serve() {
        while (!stop_) {
            xcb_generic_event_t* event = xcb_poll_for_event(c_);
            if (!event) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            const auto type = event->response_type & 0x7F;
            if (type == XCB_SELECTION_REQUEST) Answer(*reinterpret_cast<xcb_selection_request_event_t*>(event));
            if (type == XCB_PROPERTY_NOTIFY) {
                const auto* notify = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (notify->window == requestor_ && notify->atom == property_ && notify->state == XCB_PROPERTY_DELETE)
                    NextPiece();
            }
            std::free(event);
        }
    }

    std::string bytes_;
    bool incremental_;
    std::size_t announced_;
    std::chrono::milliseconds pause_;
    xcb_connection_t* c_;
    xcb_window_t window_ = 0, requestor_ = 0;
    xcb_atom_t clipboard_ = 0, targets_ = 0, rtf_ = 0, incr_ = 0, property_ = 0;
    std::size_t sent_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

SelectionRead Read() { return ReadX11Selection("CLIPBOARD", {"text/rtf", "UTF8_STRING"}, kLimit, std::chrono::seconds(1)); }

class X11SelectionTest : public testing::Test {
protected:
    // An X server resets when its last client leaves, and refuses
    // connections meanwhile: one connection stays for all the tests.
    static void SetUpTestSuite() {
        if (std::getenv("DISPLAY") != nullptr) keeper_ = xcb_connect(nullptr, nullptr);
    }
    static void TearDownTestSuite() {
        if (keeper_ != nullptr) xcb_disconnect(keeper_);
    }
    void SetUp() override {
        if (keeper_ == nullptr || xcb_connection_has_error(keeper_) != 0)
            GTEST_SKIP() << "no X display (run it under xvfb-run)";
    }

    static inline xcb_connection_t* keeper_ = nullptr;
};

TEST_F(X11SelectionTest, ASmallOfferIsReadWhole) {
    FakeOwner owner("{\\rtf1 \\u19968?}", false);
    const SelectionRead read = Read();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.target, "text/rtf");
    EXPECT_EQ(read.bytes, "{\\rtf1 \\u19968?}");
    EXPECT_FALSE(read.cut);
}

TEST_F(X11SelectionTest, AnOfferPastTheLimitIsCutAtIt) {
    FakeOwner owner(std::string(kLimit + 100000, 'x'), false);
    const SelectionRead read = Read();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes.size(), kLimit);
    EXPECT_TRUE(read.cut);
}

// 50 MB announced, served 64 KiB every 200 ms: the read stops within its
// second, cut, holding no more than the limit.
TEST_F(X11SelectionTest, FiftyMegabytesServedSlowlyAreCutWithinASecond) {
    FakeOwner owner(std::string(kLimit * 2, 'x'), true, 50u * 1024 * 1024, std::chrono::milliseconds(200));
    const auto start = Clock::now();
    const SelectionRead read = Read();
    const auto took = Clock::now() - start;
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.cut);
    EXPECT_LE(read.bytes.size(), kLimit);
    EXPECT_LT(took, std::chrono::milliseconds(1500));
}

TEST_F(X11SelectionTest, PiecesServedQuicklyAreReadUpToTheLimit) {
    FakeOwner owner(std::string(kLimit * 2, 'x'), true, kLimit * 2, std::chrono::milliseconds(0));
    const SelectionRead read = Read();
    ASSERT_TRUE(read.ok);
    EXPECT_TRUE(read.cut);
    EXPECT_EQ(read.bytes.size(), kLimit);
}

TEST_F(X11SelectionTest, NoOwnerReadsNothing) {
    EXPECT_FALSE(Read().ok);
}

}  // namespace
}  // namespace orvik
