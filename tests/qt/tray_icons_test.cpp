// The Qt platform's tray icons: added and deleted by window and number, the
// record's tip and picture, and their presses reaching the tray sink.
#include <gtest/gtest.h>

#include <QSystemTrayIcon>
#include <functional>
#include <tuple>

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

// A desktop without a notification area is mentioned once.
TEST(TrayIconsTest, AddingAndDeletingAnswerWhetherTheIconWasThere) {
    struct Step {
        std::uint32_t message;
        WindowHandle window;
        std::uint32_t id;
        std::int32_t answer;
        bool thereAfter;
    };
    const Step steps[] = {
        {kNimAdd, 0x100, 1, 1, true},     {kNimAdd, 0x100, 1, 0, true},  {kNimAdd, 0x100, 2, 1, true},
        {kNimAdd, 0x102, 1, 1, true},     {kNimDelete, 0x100, 1, 1, false}, {kNimDelete, 0x100, 1, 0, false},
        {kNimDelete, 0x999, 7, 0, false}, {1, 0x100, 2, 0, true},        {kNimAdd, 0x100, 1, 1, true},
    };
    LoggingPlatform platform(".");
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.message << " " << step.window << " " << step.id);
        EXPECT_EQ(platform.Shell_NotifyIconA(step.message, Record(step.window, step.id)), step.answer);
        EXPECT_EQ(platform.TrayIcon(step.window, step.id) != nullptr, step.thereAfter);
    }
    EXPECT_EQ(platform.Mentions("no notification area"), QSystemTrayIcon::isSystemTrayAvailable() ? 0 : 1);
}

// The tip is 8-bit text; an icon always has a picture. Only an icon that
// asks for messages reports presses: the left and right ones.
TEST(TrayIconsTest, PressesReachTheSinkAsMouseMessages) {
    LoggingPlatform platform(".");
    RecordingTraySink sink;
    platform.SetTraySink(&sink);
    const WindowHandle main = platform.HandleOf(WindowId::OrvikU);
    ASSERT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(main, 1, kAllParts, u"Vi\u1EC7t \u00e0")), 1);
    ASSERT_EQ(platform.Shell_NotifyIconA(kNimAdd, Record(main, 2, kNifIcon)), 1);
    QSystemTrayIcon* icon = platform.TrayIcon(main, 1);
    EXPECT_EQ(icon->toolTip(), QString::fromStdU16String(u"Vi?t \u00e0"));
    EXPECT_EQ(platform.TrayIcon(main, 2)->toolTip(), QString());
    for (const std::uint32_t id : {1u, 2u}) EXPECT_FALSE(platform.TrayIcon(main, id)->icon().isNull()) << id;
    for (const auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::DoubleClick,
                              QSystemTrayIcon::MiddleClick})
        emit icon->activated(reason);
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

}  // namespace
}  // namespace orvik
