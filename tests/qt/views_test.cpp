// The windows on screen with the real data and the program's logic behind
// them: what a key, click or resize reaches in the model, and what the
// window then shows; and the browser view's loader: pages of the compiled
// help files behind "its:" addresses, local pages and the page file, links,
// what goes to the desktop, and the no-data page for what cannot be opened.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "engine/text.h"
#include "formats/archive_pages.h"
#include "ime/page_file.h"
#include "platform/qt/page_view.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_helpers.h"
#include "shell/application.h"
#include "temp_dir.h"
#include "views/candidate_page_view.h"
#include "views/candidate_window_view.h"
#include "views/config_dialog_view.h"
#include "views/main_menu.h"
#include "views/main_window_view.h"
#include "views/pickers_view.h"
#include "views/popup_view.h"
#include "views/toolbar_view.h"
#include "views/twips.h"

namespace orvik {
namespace {

constexpr QChar kHe(0x548C);  // 和, the first candidate of hòa

// The real data files, seen through a directory of the test's own, where
// the windows write their page file. The dictionaries appear as the
// program's start-up leaves them: "X.dat" renamed to "X.chm". A page file
// left by a run of the program stays behind: the window writes its own.
class DataCopy {
public:
    DataCopy() {
        for (const auto& entry : std::filesystem::directory_iterator(ORVIK_DATA_DIR)) {
            std::filesystem::path name = entry.path().filename();
            if (name == kPageFileName) continue;
            if (name.extension() == ".dat") name.replace_extension(".chm");
            std::filesystem::create_symlink(entry.path(), dir_ / name);
        }
    }
    std::string Path() const { return dir_.path().string(); }

private:
    testing::TempDir dir_{"orvik-qt"};
};

// Nothing here goes to the desktop's default application.
class NoDesktop : public QtPlatform {
public:
    using QtPlatform::QtPlatform;
    void OpenWithDesktop(const QUrl& url) override { ADD_FAILURE() << url.toString().toStdString(); }
};

struct Program {
    DataCopy data;
    NoDesktop platform{data.Path()};
    Application app{platform};

    // A file of the test's own in the data folder, in place of a link there.
    std::u16string Write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = std::filesystem::path(data.Path()) / name;
        std::filesystem::remove(path);
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string()).toStdU16String();
    }
};

void TypeKey(QWidget& widget, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Small letters, typed one by one.
void Type(QWidget& widget, std::string_view letters) {
    for (const char letter : letters) TypeKey(widget, Qt::Key(Qt::Key_A + letter - 'a'), QString(QChar(letter)));
}

// The left button, or none for a move; posted events wait for the loop.
void Mouse(QWidget& widget, QEvent::Type type, QPointF at, bool post = false) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    auto* event = new QMouseEvent(type, at, widget.mapToGlobal(at), button,
                                  type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    if (post) return QCoreApplication::postEvent(&widget, event);
    QApplication::sendEvent(&widget, event);
    delete event;
}

void Click(QWidget& widget, QPointF at, bool post = false) {
    Mouse(widget, QEvent::MouseButtonPress, at, post);
    Mouse(widget, QEvent::MouseButtonRelease, at, post);
}

struct MainWindowProgram : Program {
    MainWindowView window{app, platform};

    MainWindowProgram() {
        app.MainWindow().Unicode_Click(menu_number::kUnicode);
        app.MainWindow().TelexH_Click(menu_number::kTelexH);
        window.show();
        window.activateWindow();
        QApplication::processEvents();
        platform.RedrawAll();
    }
};

// The menu item or toolbar button of that caption.
QAction& Action(const QWidget& owner, const char* caption) {
    for (QAction* action : owner.actions())
        if (action->text() == QString::fromUtf8(caption)) return *action;
    throw std::logic_error(caption);
}

// The keys typed reach the model with their modifiers: Ctrl+H, whose text
// is a control character, is the letter H with Ctrl held. The model's box
// and candidates are drawn; the first pick button picks the first
// candidate, and its page is shown.
TEST(MainWindowViewTest, TypedKeysReachTheModelAndAPickShowsItsPage) {
    MainWindowProgram program;
    QLineEdit& box = program.window.TypingBox();
    TypeKey(box, Qt::Key_H, "\x08", Qt::ControlModifier);
    Type(box, "oaf");
    EXPECT_EQ(box.text(), QString::fromUtf8("Hòa"));
    ASSERT_TRUE(program.window.CandidateList().ShownText().contains(kHe));
    program.window.PickButton(0).click();
    EXPECT_TRUE(program.window.Dictionary().source().toString().endsWith("hv21644.htm"));
}

// Marks show the model's state; an item runs once the menu's own loop has
// returned. The box then holds TCVN3 bytes and still reads as the word.
TEST(MainWindowViewTest, TheMenuRunsItsItemsAndShowsTheirMarks) {
    MainWindowProgram program;
    QMenu menu;
    FillMainMenu(menu, program.app, program.platform);
    ASSERT_EQ(menu.actions().size(), 26);
    Action(menu, "&TCVN3 Code").trigger();
    EXPECT_FALSE(program.app.MainWindow().Menunoi.TCVN.Checked);  // not yet run
    QCoreApplication::sendPostedEvents();
    QMenu again;
    FillMainMenu(again, program.app, program.platform);
    EXPECT_TRUE(Action(again, "&TCVN3 Code").isChecked());
    Type(program.window.TypingBox(), "hoaf");
    EXPECT_EQ(program.window.TypingBox().text(), QString::fromUtf8("hòa"));
}

// The dictionary view, 50 twips from the left, is 100 twips narrower than
// the window.
TEST(MainWindowViewTest, ANarrowWindowSnapsBackToTheLayoutMinimum) {
    MainWindowProgram program;
    MainWindowView& window = program.window;
    window.resize(200, window.height());
    QApplication::processEvents();
    const double dpi = window.logicalDpiX();
    EXPECT_EQ(window.frameGeometry().width(), TwipsToPixels(OrvikU::kMinWidth, dpi));
    const QRect dictionary = window.Dictionary().geometry();
    EXPECT_NEAR(dictionary.x() + dictionary.width(), window.width() - TwipsToPixels(50, dpi), 1);
}

// Enter in the open-document panel's address box opens the typed address,
// and the panel the model hid goes from the window. A press on a button of
// Toolbar1 reaches the model, which moves the view through its history, and
// the button is drawn as the model says; the mouse over the bar sets the
// bar's tip.
TEST(MainWindowViewTest, TheAddressBoxAndToolbar1MoveTheViewAndTheBarTellsItsTip) {
    MainWindowProgram program;
    const auto location = [&] { return program.window.Dictionary().source().toString().toStdString(); };
    QComboBox* box = nullptr;
    for (QComboBox* combo : program.window.findChildren<QComboBox*>())
        if (combo->isEditable()) box = combo;
    program.app.MainWindow().tbToolbar_ButtonClick(u"Xem");
    program.platform.RedrawAll();
    ASSERT_TRUE(box && box->isVisible());
    box->setEditText(QString::fromStdU16String(program.Write("a.htm", "<p>typed</p>")));
    TypeKey(*box, Qt::Key_Return, "\r");
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(program.window.Dictionary().toPlainText(), "typed");

    program.app.MainWindow().NavigateWebBrowser1(program.Write("b.htm", "<p>second</p>"));
    QAction& back = Action(program.window.Toolbar1(), "Back");
    back.trigger();
    EXPECT_TRUE(location().ends_with("/a.htm")) << location();
    EXPECT_FALSE(back.isChecked());

    QWidget* lookUp = program.window.Toolbar1().widgetForAction(&Action(program.window.Toolbar1(), "TraChu"));
    Mouse(*lookUp, QEvent::MouseMove, QPointF(lookUp->width() / 2.0, lookUp->height() / 2.0));
    EXPECT_EQ(program.app.MainWindow().Toolbar1.ToolTipText, u"Tra nghĩa chữ tô đen");
}

// Picture3 copies the view's selection as a character reference; a click
// on Label1 converts ncangjie.dxx by machuan.txt into ncangjie.udx in the
// data folder, the program's current directory.
TEST(MainWindowViewTest, Frame5CopiesTheSelectedCharacterAndConvertsTheIndex) {
    MainWindowProgram program;
    program.app.MainWindow().NavigateWebBrowser1(program.Write("page.htm", "<p>Hi &#20013;&#25991;</p>"));
    program.window.Dictionary().selectAll();
    program.window.Frame5().Picture3().click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "&#20013;");

    program.Write("machuan.txt", "/57344:131083/\r\n");
    program.Write("ncangjie.dxx", "4E00E000\r\n!\"\"!a \r\n");
    WhenAsked([](QWidget*) {});  // the message saying how it went
    Click(program.window.Frame5().Label1(), QPointF(2, 2));
    std::ifstream output(program.data.Path() + "/ncangjie.udx", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(output), {}), "4E00 2000B\r\n!\"\"!a \r\n");
}

// Keys typed into the candidate window travel the key path (Qt key event,
// platform, key sink, window model); its box shows the code decoded by the
// box's font, and its page view the candidates. Both are drawn again when
// the model empties them.
TEST(CandidateWindowViewTest, TypingHoafShowsItsCandidatesAndEscapeEmptiesThem) {
    Program program;
    CandidateWindowView window{program.app, program.platform};
    program.app.MainWindow().Unicode_Click(menu_number::kUnicode);
    program.app.MainWindow().TelexH_Click(menu_number::kTelexH);
    program.app.MainWindow().IMEstate_Click(menu_number::kIMEstate);
    ASSERT_TRUE(window.isVisible());
    Type(window, "hoaf");
    EXPECT_EQ(window.ShownCode(), QString::fromUtf8("hòa"));
    EXPECT_TRUE(window.Page().ShownText().startsWith(kHe)) << window.Page().ShownText().toStdString();
    TypeKey(window, Qt::Key_Escape, "\x1b");
    EXPECT_EQ(window.ShownCode(), QString());
    EXPECT_FALSE(window.Page().ShownText().contains(kHe));
}

struct ConfigProgram : Program {
    ConfigDialogView dialog{app, platform};

    ConfigProgram() {
        app.LoadConfigDialog();
        Model().Show();
        dialog.activateWindow();
        QApplication::processEvents();
    }
    CauHinh& Model() { return app.ConfigDialog(); }
    template <typename Control>
    Control& Find(const char* name) {
        auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
};

// A box's text outside its list stays: filling a new list while drawing
// must not write the list's first item back into the model. The box's text
// reaches the model as it is typed; the code is checked, and its font
// proposed, only once the focus moves on to the mode box. Closing the
// window only hides it.
TEST(ConfigDialogViewTest, ShowsTheModelWithoutWritingIntoItAndProposesAFontOnLeavingTheCode) {
    ConfigProgram program;
    CauHinh& model = program.Model();
    model.Combo1.List = {u"TCVN3", u"VNI-WIN"};
    model.Combo1.Text = u"no such code";
    model.Label3.Caption = u"Arial, 12";
    program.platform.RedrawAll();
    auto& combo1 = program.Find<QComboBox>("Combo1");
    EXPECT_EQ(combo1.currentText(), "no such code");
    EXPECT_EQ(model.Combo1.Text, u"no such code");
    ASSERT_EQ(combo1.count(), 2);
    EXPECT_EQ(combo1.itemText(1), "VNI-WIN");
    EXPECT_TRUE(program.Find<QCheckBox>("Check2").isChecked());
    EXPECT_FALSE(program.Find<QCheckBox>("Check2").isEnabled());

    combo1.setFocus();
    ASSERT_TRUE(combo1.hasFocus());
    combo1.setEditText("VNI-WIN");
    EXPECT_EQ(model.Combo1.Text, u"VNI-WIN");
    EXPECT_EQ(program.Find<QLabel>("Label3").text(), "Arial, 12");
    program.Find<QComboBox>("Combo2").setFocus();
    EXPECT_EQ(program.Find<QLabel>("Label3").text(), "VNI-Times, 12");
    EXPECT_FALSE(program.dialog.close());
    EXPECT_FALSE(program.dialog.isVisible());
}

// A click on a label is the label's and one beside it, in its frame's lower
// left corner, the frame's; the Vietnamese font's pair writes Label3, the
// ideograph font's Label4.
TEST(ConfigDialogViewTest, AClickOnAFontLabelOrItsFrameChoosesThatFont) {
    for (const auto& [clicked, written, untouched] : {std::tuple{"Label3", "Label3", "Label4"},
                                                      {"Frame4", "Label3", "Label4"}, {"Label4", "Label4", "Label3"},
                                                      {"Frame5", "Label4", "Label3"}}) {
        ConfigProgram program;
        const QString before = program.Find<QLabel>(untouched).text();
        auto& control = program.Find<QWidget>(clicked);
        WhenAsked([](QWidget* asking) {
            auto* chooser = qobject_cast<QFontDialog*>(asking);
            ASSERT_NE(chooser, nullptr) << "no font chooser";
            chooser->setCurrentFont(QFont("DejaVu Sans", 20));
            WhenAsked([](QWidget*) {});  // the message that follows it
        });
        Click(control, qobject_cast<QLabel*>(&control) ? control.rect().center() : QPoint(2, control.height() - 3));
        EXPECT_TRUE(program.Find<QLabel>(written).text().startsWith("DejaVu Sans")) << clicked;
        EXPECT_EQ(program.Find<QLabel>(untouched).text(), before) << clicked;
    }
}

// The popup's read-aloud button with the generated clips and the silent
// sink of a machine without sound: each word is selected in the box while
// its clip plays (noted every 20 ms), and a press during the second clip
// stops the reading once it has played.
TEST(PopupReadAloudTest, SelectsEachWordWhileItsClipPlaysAndAPressStopsTheReading) {
    Program program;
    PopupView popup{program.app, program.platform};
    auto& button = *popup.findChild<QPushButton*>();
    auto& box = *popup.findChild<QPlainTextEdit*>();
    program.app.Popup().ShowTranscription(u"Nam quốc sơn hà");
    program.platform.RedrawAll();
    ASSERT_TRUE(button.isEnabled());
    std::vector<QString> words;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString word = box.textCursor().selectedText();
        if (word.isEmpty() || (!words.empty() && words.back() == word)) return;
        words.push_back(word);
        if (words.size() == 2) Click(button, QPointF(button.width() / 2.0, button.height() / 2.0), true);
    });
    watch.start(20);
    button.click();
    EXPECT_EQ(words, (std::vector<QString>{"Nam", QString::fromUtf8("quốc")}));
    EXPECT_FALSE(box.textCursor().hasSelection());
}

bool ShowsNoDataPage(const PageView& view) { return view.toPlainText().contains("Data not yet"); }

// For views that must show every address themselves.
void Refuse(const QUrl& url) { ADD_FAILURE() << "handed to the desktop: " << url.toString().toStdString(); }

// A dictionary is read under its ".chm" name only; the scheme in any case,
// backslashes and a path without its leading "/" are taken.
TEST(PageViewTest, ItsAddressesShowTheDictionaryPageOrTheNoDataPage) {
    const DataCopy data;
    const std::pair<std::string, bool> cases[] = {
        {"its:hvtdu.chm::/html\\hv19968.htm", true},
        {"MS-ITS:hvtdu.chm::html/hv19968.htm", true},
        {"its:hvtdu.chm::/html/hv1.htm", false},  // a page the dictionary does not have
        {"its:hvtdu.chm", false},  // no page: not a local file either
        {"/nonexistent/temp.htm", false},
        {U16ToUtf8(kNoDataAddress), false},  // where a look-up that found no page goes
    };
    for (const auto& [address, shown] : cases) {
        PageView view([&] { return data.Path(); }, Refuse);
        view.Open(QString::fromStdString(address));
        EXPECT_EQ(view.toPlainText().contains(QChar(0x4E00)), shown) << address;
        EXPECT_NE(ShowsNoDataPage(view), shown) << address;
    }
    PageView installed([] { return std::string(ORVIK_DATA_DIR); }, Refuse);
    installed.Open("its:hvtdu.chm::/html/hv19968.htm");
    EXPECT_TRUE(ShowsNoDataPage(installed));
}

// In its declared character set, else UTF-8, else byte for byte; the page
// file, numeric references and 8-bit text, is read again when rewritten
// under its name. Web addresses and documents the view cannot show go to
// the desktop, and the view keeps the page it had.
TEST(PageViewTest, ALocalPageIsReadInItsCharacterSetAndOtherDocumentsOpenElsewhere) {
    const testing::TempDir dir("orvik-local");
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"plain.html", "<p>Ti\xe1\xba\xbfng Vi\xe1\xbb\x87t \xe5\x92\x8c</p>", "Tiếng Việt 和"},
        {"declared.HTM", "<meta charset=\"utf-8\"><p>ho\xc3\xa0</p>", "hoà"},
        {"latin.htm", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"><p>ho\xc3\xa9</p>",
         "hoÃ©"},
        {"temp.htm", "<P>&#21644;.&#131072; \xe0</P>", "和.\U00020000 à"},
        {"temp.htm", "<P>second</P>", "second"},
    };
    std::vector<QUrl> opened;
    PageView view([] { return std::string(); }, [&](const QUrl& url) { opened.push_back(url); });
    for (const auto& [name, bytes, shown] : cases) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        view.Open(QString::fromStdString((dir / name).string()));
        EXPECT_EQ(view.toPlainText(), QString::fromUtf8(shown)) << name;
    }
    const QString letter = QString::fromStdString((dir / "letter.rtf").string());
    view.Open(letter);
    view.Open("https://example.org/");
    EXPECT_EQ(opened, (std::vector<QUrl>{QUrl::fromLocalFile(letter), QUrl("https://example.org/")}));
    EXPECT_EQ(view.toPlainText(), "second");
}

// A root path stays in the same compiled help file.
TEST(PageViewTest, LinksResolveAgainstTheirPage) {
    const char* const base = "its:hvtdu.chm::/html/hv19968.htm";
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {base, "hv19969.htm", "its:hvtdu.chm::/html/hv19969.htm"},
        {base, "../n1.htm", "its:hvtdu.chm::/n1.htm"},
        {base, "/index.htm", "its:hvtdu.chm::/index.htm"},
        {base, "its:nomtdu.chm::/n19968.htm", "its:nomtdu.chm::/n19968.htm"},
        {"file:///data/temp.htm", "/other.htm", "file:///other.htm"},
    };
    for (const auto& [from, link, resolved] : cases)
        EXPECT_EQ(PageView::ResolveLink(QUrl(from), QUrl(link)).toString(), resolved) << from << " " << link;
}

}  // namespace
}  // namespace orvik
