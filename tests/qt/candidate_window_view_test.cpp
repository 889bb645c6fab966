// The candidate window of the desktop program with the real data: keys typed
// into it travel the key path (Qt key event, platform, key sink, window
// model) and its page view shows the candidates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "data_copy.h"
#include "views/candidate_page_view.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/candidate_window_view.h"
#include "views/popup_view.h"

namespace orvik {
namespace {

void TypeKey(QWidget& window, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&window, &press);
    QApplication::sendEvent(&window, &release);
}

struct DesktopProgram {
    DataCopy data;
    QtPlatform platform{data.Path()};
    Application app{platform};
    CandidateWindowView candidateWindow{app, platform};
    PopupView popup{app, platform};

    DesktopProgram() {
        OrvikU& main = app.MainWindow();
        main.Unicode_Click(menu_number::kUnicode);
        main.TelexH_Click(menu_number::kTelexH);
        main.IMEstate_Click(menu_number::kIMEstate);
    }
};

void TypeHoaf(QWidget& window) {
    for (const auto& [key, text] : {std::pair{Qt::Key_H, "h"}, {Qt::Key_O, "o"}, {Qt::Key_A, "a"}, {Qt::Key_F, "f"}})
        TypeKey(window, key, text);
}

TEST(CandidateWindowViewTest, TypingHoafShowsTheCandidatesOfHoa) {
    DesktopProgram program;
    ASSERT_TRUE(program.candidateWindow.isVisible());
    TypeHoaf(program.candidateWindow);

    EXPECT_EQ(program.candidateWindow.ShownCode(), QString::fromUtf8("hòa"));
    const QString page = program.candidateWindow.Page().ShownText();
    // 和, the commonest character read hoà, leads the first page.
    EXPECT_TRUE(page.startsWith(QChar(0x548C))) << page.toStdString();
}

TEST(CandidateWindowViewTest, EscapeEmptiesTheBoxAndThePage) {
    DesktopProgram program;
    TypeHoaf(program.candidateWindow);
    ASSERT_TRUE(program.candidateWindow.Page().ShownText().contains(QChar(0x548C)));
    TypeKey(program.candidateWindow, Qt::Key_Escape, "\x1b");

    EXPECT_EQ(program.candidateWindow.ShownCode(), QString());
    EXPECT_FALSE(program.candidateWindow.Page().ShownText().contains(QChar(0x548C)));
}

}  // namespace
}  // namespace orvik
