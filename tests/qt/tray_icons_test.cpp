// The Qt platform's tray icons: adding and deleting them by window and
// number, and their presses reaching the tray sink.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSystemTrayIcon>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "logging_platform.h"

namespace orvik {
namespace {

constexpr std::uint32_t kAllParts = kNifMessage | kNifIcon | kNifTip;

NotifyIconData Record(WindowHandle window, std::uint32_t id, std::uint32_t flags = kAllParts,
                      std::u16string_view tip = u"Left Mouse = Mo Thau nhap phap") {
    return MakeTrayIconData(window, id, flags, kWmMouseMove, 0x300, tip);
}

class RecordingTraySink : public TraySink {
public:
    void TrayNotification(WindowHandle window, std::uint32_t id, std::int32_t mouseMessage) override {
        notifications.emplace_back(window, id, mouseMessage);
        if (onNotification) onNotification();
    }
    std::vector<std::tuple<WindowHandle, std::uint32_t, std::int32_t>> notifications;
    std::function<void()> onNotification;
};

TEST(TrayIconsTest, AddingAndDeletingAnswerWhetherTheIconWasThere) {
    struct Step {
        std::uint32_t message;
        WindowHandle window;
        std::uint32_t id;
        std::int32_t answer;
        bool thereAfter;  // whether the icon exists after the step
    };
    const Step steps[] = {
        {kNimAdd, 0x100, 1, 1, true},     {kNimAdd, 0x100, 1, 0, true},      // twice the same icon
        {kNimAdd, 0x100, 2, 1, true},     {kNimAdd, 0x102, 1, 1, true},      // another number, another window
        {kNimDelete, 0x100, 1, 1, false}, {kNimDelete, 0x100, 1, 0, false},  // deleted already
        {kNimDelete, 0x999, 7, 0, false},                                    // never added
        {1, 0x100, 2, 0, true},                                              // a message not handled
        {kNimAdd, 0x100, 1, 1, true},                                        // added again after its delete
    };
    LoggingPlatform platform(".");
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.message << " " << step.window << " " << step.id);
        EXPECT_EQ(platform.Shell_NotifyIconA(step.message, Record(step.window, step.id)), step.answer);
        EXPECT_EQ(platform.TrayIcon(step.window, step.id) != nullptr, step.thereAfter);
    }
}

TEST(TrayIconsTest, PressesReachTheSinkAsMouseMessages) {
    LoggingPlatform platform(".");
    RecordingTraySink sink;
    platform.SetTraySink(&sink);
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU);
    ASSERT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(main, 1)), 1);
    ASSERT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(main, 2, kNifIcon | kNifTip)), 1);  // asks for no messages
    QSystemTrayIcon* icon = platform.TrayIcon(main, 1);
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::Context);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    emit platform.TrayIcon(main, 2)->activated(QSystemTrayIcon::Trigger);
    using Notification = std::tuple<WindowHandle, std::uint32_t, std::int32_t>;
    EXPECT_EQ(sink.notifications, (std::vector<Notification>{{main, 1, kWmLButtonDown}, {main, 1, kWmRButtonDown}}));
}

TEST(TrayIconsTest, TheSinkMayDeleteTheIconItWasPressedOn) {
    LoggingPlatform platform(".");
    RecordingTraySink sink;
    platform.SetTraySink(&sink);
    ASSERT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(0x100, 1)), 1);
    sink.onNotification = [&] { EXPECT_EQ(platform.Shell_NotifyIconA(kNimDelete, Record(0x100, 1)), 1); };
    emit platform.TrayIcon(0x100, 1)->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(platform.TrayIcon(0x100, 1), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(sink.notifications.size(), 1u);
}

TEST(TrayIconsTest, TheRecordGivesTipAndPicture) {
    LoggingPlatform platform(".");
    platform.Shell_NotifyIconA(kNimAdd, Record(0x100, 1, kAllParts, u"Vi\u1EC7t \u00e0"));
    platform.Shell_NotifyIconA(kNimAdd, Record(0x100, 2, kNifMessage));
    EXPECT_EQ(platform.TrayIcon(0x100, 1)->toolTip(), QString::fromStdU16String(u"Vi?t \u00e0"));  // 8-bit text
    EXPECT_EQ(platform.TrayIcon(0x100, 2)->toolTip(), QString());
    for (const std::uint32_t id : {1u, 2u}) EXPECT_FALSE(platform.TrayIcon(0x100, id)->icon().isNull()) << id;
}

TEST(TrayIconsTest, EachWindowHasItsOwnIcon) {
    LoggingPlatform platform(".");
    std::set<IconHandle> handles;
    for (const WindowId window :
         {WindowId::OrvikU, WindowId::HVTNP, WindowId::WPopup, WindowId::CauHinh, WindowId::QXAbout}) {
        EXPECT_NE(platform.IconOf(window), 0u);
        handles.insert(platform.IconOf(window));
    }
    EXPECT_EQ(handles.size(), 5u);
}

TEST(TrayIconsTest, ADesktopWithoutNotificationAreaIsMentionedOnce) {
    if (QSystemTrayIcon::isSystemTrayAvailable()) GTEST_SKIP() << "this desktop has a notification area";
    LoggingPlatform platform(".");
    EXPECT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(0x100, 1)), 1);
    EXPECT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(0x104, 1)), 1);
    EXPECT_EQ(platform.Mentions("no notification area"), 1);
}

}  // namespace
}  // namespace orvik
