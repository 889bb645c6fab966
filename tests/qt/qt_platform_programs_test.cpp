// The Qt platform's key strings to the program's own focused control, its
// timers, and programs started by command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextBrowser>
#include <functional>

#include "platform/qt/key_string.h"
#include "platform/qt/qt_platform.h"

namespace orvik {
namespace {

// Lets the event loop run until `done` or `ms` milliseconds have passed.
void RunEventsUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

TEST(QtPlatformKeysTest, KeyStringsNameKeysAfterTheirModifiers) {
    struct Case {
        std::u16string_view keys;
        std::vector<KeyStroke> strokes;
    };
    const Case cases[] = {
        {u"^{END}", {{Qt::Key_End, Qt::ControlModifier, {}}}},
        {u"^c", {{Qt::Key_C, Qt::ControlModifier, QString(QChar(3))}}},
        {u"+{home}A", {{Qt::Key_Home, Qt::ShiftModifier, {}}, {Qt::Key_A, Qt::ShiftModifier, "A"}}},
        {u"{NONE}%1", {{Qt::Key_1, Qt::AltModifier, "1"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseKeyString(c.keys), c.strokes);
}

TEST(QtPlatformKeysTest, SendKeysActsOnTheFocusedControlBeforeItReturns) {
    QtPlatform platform(".");
    QLineEdit edit("hòa");
    edit.show();
    QApplication::setActiveWindow(&edit);
    edit.setFocus();
    edit.setCursorPosition(0);
    if (QApplication::focusWidget() != &edit) GTEST_SKIP() << "this display gives no keyboard focus";
    platform.SendKeys(u"^{END}");
    EXPECT_EQ(edit.cursorPosition(), 3);
}

TEST(QtPlatformTimersTest, ATimerTicksUntilItStopsItself) {
    QtPlatform platform(".");
    int ticks = 0;
    platform.StartTimer("QXAbout.Timer1", 1, [&] {
        if (++ticks == 3) platform.StopTimer("QXAbout.Timer1");
    });
    RunEventsUntil([&] { return ticks >= 3; }, 5000);
    RunEventsUntil([] { return false; }, 30);  // a stopped timer ticks no more
    EXPECT_EQ(ticks, 3);
}

TEST(QtPlatformProgramsTest, MissingProgramsAndHelpFilesCannotStart) {
    QtPlatform platform(ORVIK_DATA_DIR);
    EXPECT_FALSE(platform.StartProgram(u"NoSuchOrvikTool.exe"));
    EXPECT_FALSE(platform.StartProgram(u"hh.exe missing.chm"));
    EXPECT_FALSE(platform.StartProgram(u""));
}

TEST(QtPlatformProgramsTest, TheUserGuideOpensInTheProgramsOwnHelpView) {
    QtPlatform platform(ORVIK_DATA_DIR);
    ASSERT_TRUE(platform.StartProgram(u"hh.exe orvhelp.chm"));
    QTextBrowser* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible()) help = browser;
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->toPlainText().trimmed().isEmpty());
}

}  // namespace
}  // namespace orvik
