// The popup's read-aloud button on screen, with the generated clips and the
// silent sink of a machine without sound: each word is selected in the box
// while its clip plays, and a press during a clip stops the reading once
// that clip has been played.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "data_copy.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/popup_view.h"

namespace orvik {
namespace {

struct PopupProgram {
    DataCopy data;
    QtPlatform platform{data.Path()};
    Application app{platform};
    PopupView popup{app, platform};

    QPushButton& Command1() { return *popup.findChild<QPushButton*>(); }
    QPlainTextEdit& Text1() { return *popup.findChild<QPlainTextEdit*>(); }

    // The words the box shows selected, each once, noted every 20 ms while
    // the reading runs.
    std::vector<QString> ReadWatchingSelection(const std::function<void(const QString&)>& onWord = {}) {
        std::vector<QString> words;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const QString word = Text1().textCursor().selectedText();
            if (word.isEmpty() || (!words.empty() && words.back() == word)) return;
            words.push_back(word);
            if (onWord) onWord(word);
        });
        watch.start(20);
        Command1().click();
        return words;
    }
};

// A press and release of the mouse on the button, while a clip plays.
void PostClick(QWidget& button) {
    const QPointF at(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(at);
    QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                         Qt::NoButton, Qt::NoModifier));
}

TEST(PopupReadAloud, SelectsEachWordWhileItsClipPlays) {
    PopupProgram program;
    program.app.Popup().ShowTranscription(u"Nam quốc sơn");
    program.platform.RedrawAll();
    ASSERT_TRUE(program.Command1().isEnabled());

    const auto words = program.ReadWatchingSelection();
    EXPECT_EQ(words, (std::vector<QString>{"Nam", QString::fromUtf8("quốc"), QString::fromUtf8("sơn")}));
    const WPopup& model = program.app.Popup();
    EXPECT_TRUE(model.ReaderIdle);
    EXPECT_EQ(model.Command1.Picture, WPopup::kImage1);
    const QTextCursor cursor = program.Text1().textCursor();
    EXPECT_FALSE(cursor.hasSelection());
    EXPECT_EQ(cursor.position(), program.Text1().toPlainText().size());
}

TEST(PopupReadAloud, APressDuringAClipStopsTheReadingAfterIt) {
    PopupProgram program;
    program.app.Popup().ShowTranscription(u"Nam quốc sơn hà");
    program.platform.RedrawAll();
    bool pressed = false;
    const auto words = program.ReadWatchingSelection([&](const QString&) {
        EXPECT_EQ(program.app.Popup().Command1.Picture, WPopup::kImage2);
        if (!pressed) PostClick(program.Command1());
        pressed = true;
    });
    EXPECT_EQ(words, std::vector<QString>{"Nam"});
    EXPECT_TRUE(program.app.Popup().ReaderIdle);
}

}  // namespace
}  // namespace orvik
