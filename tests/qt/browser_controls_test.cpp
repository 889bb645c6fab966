// The dictionary browser's controls on the desktop: a press on a tool-bar
// button reaches the model and moves the view through its history, the
// mouse over Toolbar1 sets its tip, Picture3 copies the view's selection as
// a character reference and a click on Label1 runs the index conversion.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <fstream>

#include "platform/qt/page_view.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/main_window_view.h"
#include "views/pickers_view.h"
#include "views/toolbar_view.h"

namespace orvik {
namespace {

struct BrowserProgram {
    QTemporaryDir dir;
    QtPlatform platform{dir.path().toStdString()};
    Application app{platform};
    MainWindowView mainWindow{app, platform};

    BrowserProgram() {
        app.MainWindow();
        mainWindow.show();
        mainWindow.activateWindow();
        QApplication::processEvents();
        platform.RedrawAll();
    }

    std::u16string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path).toStdU16String();
    }
    std::string Location() { return mainWindow.Dictionary().source().toString().toStdString(); }
};

QAction& Button(ToolbarView& bar, const char* key) {
    for (QAction* action : bar.actions())
        if (action->text() == key) return *action;
    throw std::logic_error(key);
}

TEST(BrowserControlsTest, Toolbar1ButtonsMoveTheViewThroughItsHistory) {
    BrowserProgram program;
    OrvikU& model = program.app.MainWindow();
    model.NavigateWebBrowser1(program.Write("a.htm", "<p>first</p>"));
    model.NavigateWebBrowser1(program.Write("b.htm", "<p>second</p>"));

    QAction& back = Button(program.mainWindow.Toolbar1(), "Back");
    back.trigger();
    EXPECT_TRUE(program.Location().ends_with("/a.htm")) << program.Location();
    EXPECT_FALSE(back.isChecked());  // drawn as the model says, not left pressed
    Button(program.mainWindow.Toolbar1(), "Next").trigger();
    EXPECT_TRUE(program.Location().ends_with("/b.htm")) << program.Location();
}

TEST(BrowserControlsTest, TheMouseOverToolbar1SetsItsTip) {
    BrowserProgram program;
    ToolbarView& bar = program.mainWindow.Toolbar1();
    QWidget* lookUp = bar.widgetForAction(&Button(bar, "TraChu"));
    ASSERT_NE(lookUp, nullptr);
    const QPointF middle(lookUp->width() / 2.0, lookUp->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, middle, lookUp->mapToGlobal(middle), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(lookUp, &move);
    EXPECT_EQ(program.app.MainWindow().Toolbar1.ToolTipText, u"Tra nghĩa chữ tô đen");
}

TEST(BrowserControlsTest, Picture3CopiesTheSelectedCharacterOfTheView) {
    BrowserProgram program;
    program.app.MainWindow().NavigateWebBrowser1(program.Write("page.htm", "<p>Hi &#20013;&#25991;</p>"));
    program.mainWindow.Dictionary().selectAll();
    program.mainWindow.Frame5().Picture3().click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "&#20013;");
}

TEST(BrowserControlsTest, AClickOnLabel1ConvertsTheIndex) {
    BrowserProgram program;
    program.Write("machuan.txt", "/57344:131083/\r\n");
    program.Write("ncangjie.dxx", "4E00E000\r\n!\"\"!a \r\n");
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    QLabel& label = program.mainWindow.Frame5().Label1();
    const QPointF inside(2, 2);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, label.mapToGlobal(inside), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&label, &release);

    EXPECT_EQ(shown, "!\"\"!a ");
    std::ifstream output(program.dir.filePath("ncangjie.udx").toStdString(), std::ios::binary);
    const std::string converted((std::istreambuf_iterator<char>(output)), std::istreambuf_iterator<char>());
    EXPECT_EQ(converted, "4E00 2000B\r\n!\"\"!a \r\n");
}

}  // namespace
}  // namespace orvik
