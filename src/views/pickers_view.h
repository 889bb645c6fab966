// The main window's character pickers Frame5 drawn from its model, in one
// row: the frame's caption, the picture button Picture3, which copies the
// character selected in the dictionary view as "&#" + decimal + ";", and
// the label Label1, whose click converts the Nôm CangJie index. Clicks go to
// the main window's handlers.
#pragma once

#include <QFrame>

#include "platform/qt/qt_platform.h"

class QLabel;
class QToolButton;

namespace orvik {

class Application;
class OrvikU;

class PickersView : public QFrame {
public:
    PickersView(Application& app, QtPlatform& platform, QWidget* parent);

    void Redraw();
    QToolButton& Picture3() { return *picture3_; }
    QLabel& Label1() { return *label1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OrvikU& Model();
    // Runs a handler of the model, then draws every window again.
    template <typename Handler>
    void Forward(Handler handler) {
        handler(Model());
        platform_.RedrawAll();
    }

    Application& app_;
    QtPlatform& platform_;
    QLabel* caption_;
    QToolButton* picture3_;
    QLabel* label1_;
};

}  // namespace orvik
