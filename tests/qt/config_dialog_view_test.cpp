// The configuration dialog on screen with the real data: it shows its
// model, edits in the code box reach the model and leaving the box
// validates it, a click on a font label or its frame opens that font's
// chooser, and closing the window only hides it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "data_copy.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/config_dialog_view.h"

namespace orvik {
namespace {

struct ConfigProgram {
    DataCopy data;
    QtPlatform platform{data.Path()};
    Application app{platform};
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

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

void Click(QWidget& control, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, control.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, control.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&control, &press);
    QApplication::sendEvent(&control, &release);
}

// Answers the font chooser the click opens with the font, then the message
// that follows it. Whatever else asks is closed, so a fault fails the test
// rather than hanging it.
void ChooseFontWhenAsked(const QFont& font) {
    QTimer::singleShot(0, [font] {
        QWidget* asking = QApplication::activeModalWidget();
        auto* chooser = qobject_cast<QFontDialog*>(asking);
        if (chooser) chooser->setCurrentFont(font);
        else ADD_FAILURE() << "no font chooser";
        if (auto* dialog = qobject_cast<QDialog*>(asking)) dialog->accept();
        QTimer::singleShot(0, [] {
            if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) message->accept();
        });
    });
}

// A box's text outside its list stays as it is: filling a new list while
// drawing must not write the list's first item back into the model.
TEST(ConfigDialogViewTest, ShowsTheModelWithoutWritingIntoIt) {
    ConfigProgram program;
    CauHinh& model = program.Model();
    model.Combo1.List = {u"TCVN3", u"VNI-WIN"};
    model.Combo1.Text = u"no such code";
    model.Label3.Caption = u"Arial, 12";
    model.Label4.Caption = u"Chu Nom Minh U, 16";
    program.platform.RedrawAll();

    auto& combo1 = program.Find<QComboBox>("Combo1");
    EXPECT_EQ(combo1.currentText(), "no such code");
    EXPECT_EQ(model.Combo1.Text, u"no such code");
    EXPECT_EQ(Items(combo1), QStringList({"TCVN3", "VNI-WIN"}));
    auto& combo2 = program.Find<QComboBox>("Combo2");
    EXPECT_EQ(combo2.currentText(), QString::fromStdU16String(model.Combo2.Text));
    EXPECT_EQ(Items(combo2).size(), static_cast<qsizetype>(model.Combo2.List.size()));
    EXPECT_EQ(program.Find<QLabel>("Label3").text(), "Arial, 12");
    EXPECT_EQ(program.Find<QLabel>("Label4").text(), "Chu Nom Minh U, 16");
    EXPECT_EQ(program.Find<QGroupBox>("Frame3").title(), QString::fromUtf8("Thâu nhập pháp:"));
    EXPECT_TRUE(program.Find<QCheckBox>("Check2").isChecked());
    EXPECT_FALSE(program.Find<QCheckBox>("Check2").isEnabled());
    EXPECT_EQ(program.dialog.windowTitle(), "Orvik2004 Configuration");
}

// Typing and choosing from the list both reach the model; the focus moving
// on to the mode box proposes the code's font.
TEST(ConfigDialogViewTest, LeavingTheCodeBoxProposesTheFontOfItsCode) {
    const std::vector<std::pair<const char*, std::function<void(QComboBox&)>>> edits{
        {"typed", [](QComboBox& box) { box.setEditText("VNI-WIN"); }},
        {"chosen", [](QComboBox& box) { box.setCurrentIndex(box.findText("VNI-WIN")); }},
    };
    for (const auto& [how, edit] : edits) {
        ConfigProgram program;
        program.Model().Label3.Caption = u"Arial, 12";
        program.platform.RedrawAll();
        auto& combo1 = program.Find<QComboBox>("Combo1");
        combo1.setFocus();
        ASSERT_TRUE(combo1.hasFocus()) << how;
        edit(combo1);
        EXPECT_EQ(program.Model().Combo1.Text, u"VNI-WIN") << how;
        EXPECT_EQ(program.Find<QLabel>("Label3").text(), "Arial, 12") << how;

        program.Find<QComboBox>("Combo2").setFocus();
        EXPECT_EQ(program.Find<QLabel>("Label3").text(), "VNI-Times, 12") << how;
    }
}

// A click on a label is the label's and one beside it the frame's; the
// Vietnamese font's pair writes Label3, the ideograph font's Label4.
TEST(ConfigDialogViewTest, AClickOnAFontLabelOrItsFrameChoosesThatFont) {
    struct Case {
        const char* clicked;
        const char* written;
        const char* untouched;
    };
    for (const Case& c : {Case{"Label3", "Label3", "Label4"}, Case{"Frame4", "Label3", "Label4"},
                          Case{"Label4", "Label4", "Label3"}, Case{"Frame5", "Label4", "Label3"}}) {
        ConfigProgram program;
        const QString untouched = program.Find<QLabel>(c.untouched).text();
        auto& clicked = program.Find<QWidget>(c.clicked);
        ChooseFontWhenAsked(QFont("DejaVu Sans", 20));
        // A frame is clicked in its lower left corner, beside its label.
        Click(clicked, qobject_cast<QLabel*>(&clicked) ? clicked.rect().center() : QPoint(2, clicked.height() - 3));

        EXPECT_TRUE(program.Find<QLabel>(c.written).text().startsWith("DejaVu Sans")) << c.clicked;
        EXPECT_EQ(program.Find<QLabel>(c.untouched).text(), untouched) << c.clicked;
    }
}

// The start-with-the-desktop box shows the model and a click changes only
// the box: the entry waits for OK.
TEST(ConfigDialogViewTest, TheStartWithTheDesktopBoxEditsTheModelsBox) {
    ConfigProgram program;
    auto& box = program.Find<QCheckBox>("Check3");
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(program.Find<QLabel>("Label6").text(), QString::fromStdU16String(program.Model().Label6.Caption));
    box.click();
    EXPECT_TRUE(program.Model().Check3.Value);
    EXPECT_FALSE(program.Model().StartWithDesktop);
    program.Model().Check3.Value = false;
    program.platform.RedrawAll();
    EXPECT_FALSE(box.isChecked());
}

TEST(ConfigDialogViewTest, ClosingTheWindowOnlyHidesIt) {
    ConfigProgram program;
    ASSERT_TRUE(program.dialog.isVisible());
    EXPECT_FALSE(program.dialog.close());
    EXPECT_FALSE(program.dialog.isVisible());
}

}  // namespace
}  // namespace orvik
