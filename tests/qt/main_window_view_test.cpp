// The main window of the desktop program with the real data: keys typed
// into its typing box reach the box's key handlers, the candidate list shows
// what they found, a pick button puts the character on the clipboard and
// opens its page; the menu runs its items and shows their marks; a resize
// goes through the layout rule.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <fstream>
#include <vector>

#include "data_copy.h"
#include "temp_dir.h"
#include "platform/qt/page_view.h"
#include "views/candidate_page_view.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/main_menu.h"
#include "views/main_window_view.h"
#include "views/twips.h"

namespace orvik {
namespace {

constexpr QChar kHe(0x548C);  // 和, the first candidate of hòa

// Keeps what would go to the desktop's default application.
class DesktopRecorder : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void OpenWithDesktop(const QUrl& url) override { opened.push_back(url); }
    std::vector<QUrl> opened;
};

struct MainWindowProgram {
    DataCopy data;
    DesktopRecorder platform{data.Path()};
    Application app{platform};
    MainWindowView mainWindow{app, platform};

    MainWindowProgram() {
        OrvikU& main = app.MainWindow();
        main.Unicode_Click(menu_number::kUnicode);
        main.TelexH_Click(menu_number::kTelexH);
        mainWindow.show();
        platform.RedrawAll();
    }

    QLineEdit& Box() { return mainWindow.TypingBox(); }
};

void TypeKey(QWidget& box, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
}

void TypeHoaf(QWidget& box) {
    for (const auto& [key, text] : {std::pair{Qt::Key_H, "h"}, {Qt::Key_O, "o"}, {Qt::Key_A, "a"}, {Qt::Key_F, "f"}})
        TypeKey(box, key, text);
}

QAction* Item(const QMenu& menu, const char* caption) {
    for (QAction* action : menu.actions())
        if (action->text() == QString::fromUtf8(caption)) return action;
    return nullptr;
}

TEST(MainWindowViewTest, PickingTheFirstCandidateOfHoafCopiesItAndOpensItsPage) {
    MainWindowProgram program;
    TypeHoaf(program.Box());
    EXPECT_EQ(program.Box().text(), QString::fromUtf8("hòa"));
    ASSERT_TRUE(program.mainWindow.CandidateList().ShownText().contains(kHe));

    program.mainWindow.PickButton(0).click();

    const QByteArray rtf = QGuiApplication::clipboard()->mimeData()->data("text/rtf");
    EXPECT_TRUE(rtf.startsWith("{\\rtf1") && rtf.contains("\\u21644")) << rtf.toStdString();
    PageView& page = program.mainWindow.Dictionary();
    EXPECT_TRUE(page.source().toString().endsWith("hv21644.htm")) << page.source().toString().toStdString();
    EXPECT_TRUE(page.toPlainText().contains(kHe));
}

// Shift does not make capitals in the box; Ctrl does.
TEST(MainWindowViewTest, CtrlTypesCapitalsAndShiftSmallLetters) {
    MainWindowProgram program;
    TypeKey(program.Box(), Qt::Key_H, "\x08", Qt::ControlModifier);
    TypeKey(program.Box(), Qt::Key_O, "O", Qt::ShiftModifier);
    EXPECT_EQ(program.Box().text(), "Ho");
}

TEST(MainWindowViewTest, TheMenuRunsItsItemsAndShowsTheirMarks) {
    MainWindowProgram program;
    QMenu menu;
    FillMainMenu(menu, program.app, program.platform);
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 26);
    EXPECT_EQ(items.front()->text(), QString::fromUtf8("&Cấu hình"));
    EXPECT_EQ(items.back()->text(), QString::fromUtf8("Đóng chương trình"));
    for (const int separator : {3, 6, 13, 19}) EXPECT_TRUE(items[separator]->isSeparator()) << separator;
    EXPECT_TRUE(Item(menu, "&Unicode")->isChecked());
    EXPECT_TRUE(Item(menu, "Telex Việt -> &Hán")->isChecked());

    // The item runs after the menu's own event loop has returned.
    Item(menu, "&TCVN3 Code")->trigger();
    EXPECT_TRUE(Item(menu, "&Unicode")->isChecked());
    QCoreApplication::sendPostedEvents();
    QMenu again;
    FillMainMenu(again, program.app, program.platform);
    EXPECT_TRUE(Item(again, "&TCVN3 Code")->isChecked());
    EXPECT_FALSE(Item(again, "&Unicode")->isChecked());
    // The box holds TCVN3 bytes now and reads as the same word.
    TypeHoaf(program.Box());
    EXPECT_EQ(program.Box().text(), QString::fromUtf8("hòa"));
}

TEST(MainWindowViewTest, ANarrowWindowSnapsBackToTheLayoutMinimum) {
    MainWindowProgram program;
    MainWindowView& window = program.mainWindow;
    window.resize(200, window.height());
    QApplication::processEvents();

    const double dpi = window.logicalDpiX();
    EXPECT_EQ(window.frameGeometry().width(), TwipsToPixels(OrvikU::kMinWidth, dpi));
    // The dictionary view, 50 twips from the left, is 100 twips narrower
    // than the window.
    const QRect dictionary = window.Dictionary().geometry();
    EXPECT_NEAR(dictionary.x() + dictionary.width(), window.width() - TwipsToPixels(50, dpi), 1);
}

// Enter in the open-document panel's address box, where the box has the
// focus, opens the address: a local HTML page in the view, another
// document in the desktop's application for it.
TEST(MainWindowViewTest, EnterInTheAddressBoxOpensTheTypedAddress) {
    const testing::TempDir dir("orvik-enter");
    std::ofstream(dir / "page.html") << "<p>Vi\xe1\xbb\x87t</p>";
    MainWindowProgram program;
    OrvikU& main = program.app.MainWindow();
    QComboBox* box = nullptr;
    for (QComboBox* combo : program.mainWindow.findChildren<QComboBox*>())
        if (combo->isEditable()) box = combo;
    ASSERT_NE(box, nullptr);
    for (const char* name : {"page.html", "letter.rtf"}) {
        main.tbToolbar_ButtonClick(u"Xem");
        program.platform.RedrawAll();
        ASSERT_TRUE(box->isVisible());
        const QString address = QString::fromStdString((dir / name).string());
        box->setEditText(address);
        TypeKey(*box, Qt::Key_Return, "\r");
        EXPECT_FALSE(main.Picture2.Visible) << name;
        EXPECT_EQ(main.WebBrowser1.Address, address.toStdU16String()) << name;
    }
    EXPECT_EQ(program.mainWindow.Dictionary().toPlainText(), QString::fromUtf8("Việt"));
    EXPECT_EQ(program.platform.opened, std::vector<QUrl>{QUrl::fromLocalFile((dir / "letter.rtf").string().c_str())});
}

}  // namespace
}  // namespace orvik
