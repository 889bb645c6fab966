// The main window's events: keys typed into the typing box and those its
// other controls leave to it, the mouse over the tool bars, resizing and
// closing. Each goes to the model's handler, then the windows are drawn
// again.
#include "views/main_window_view.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolTip>

#include "platform/qt/page_view.h"
#include "shell/application.h"
#include "shell/typing_box.h"
#include "views/toolbar_view.h"
#include "views/twips.h"
#include "views/typing_box_keys.h"

namespace orvik {

namespace {

OrvikU::State StateOf(const QWidget& window) {
    if (window.isMinimized()) return OrvikU::State::Minimized;
    if (window.isMaximized()) return OrvikU::State::Maximized;
    return OrvikU::State::Normal;
}

}  // namespace

// The box and both tool bars with their buttons are watched.
bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_) return TypeIntoBox(event);
    return ForwardToolbarMouse(watched, event);
}

ToolbarView* MainWindowView::BarOf(QObject* watched) const {
    for (ToolbarView* bar : {tbToolbar_, toolbar1_})
        if (watched == bar || (watched != nullptr && watched->parent() == bar)) return bar;
    return nullptr;
}

// The box's key handlers write the box; it neither types nor deletes by
// itself, nor takes text from an input method. It still copies its
// selection.
bool MainWindowView::TypeIntoBox(QEvent* event) {
    if (event->type() == QEvent::InputMethod || event->type() == QEvent::KeyRelease) return true;
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<QKeyEvent&>(*event);
    if (BoxOwnKey(key)) return false;
    if (const auto typed = TypingBoxKeyOf(key))
        Forward([typed](OrvikU& m) { TypeIntoText1(m, typed->code, typed->shift); });
    return !key.matches(QKeySequence::Copy);
}

// A move reaches the bar's handler in twips; the tip shown is the bar's
// tip in the model.
bool MainWindowView::ForwardToolbarMouse(QObject* watched, QEvent* event) {
    ToolbarView* bar = BarOf(watched);
    if (bar == nullptr) return false;
    const bool isToolbar1 = bar == toolbar1_;
    if (event->type() == QEvent::MouseMove) {
        const double dpi = logicalDpiX();
        const auto x = static_cast<float>(
            PixelsToTwips(bar->BarX(*watched, static_cast<QMouseEvent&>(*event).position().toPoint().x()), dpi));
        const auto buttonWidth = static_cast<float>(PixelsToTwips(bar->ButtonWidth(), dpi));
        Forward([=](OrvikU& m) {
            if (isToolbar1) m.Toolbar1_MouseMove(x, buttonWidth);
            else m.tbToolbar_MouseMove(x, buttonWidth);
        });
        return false;
    }
    if (event->type() != QEvent::ToolTip) return false;
    const OrvikU& model = Model();
    const QString tip = QString::fromStdU16String(isToolbar1 ? model.Toolbar1.ToolTipText : model.tbToolbar.ToolTipText);
    if (tip.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(static_cast<QHelpEvent&>(*event).globalPos(), tip, static_cast<QWidget*>(watched));
    return true;
}

// The window sees the keys its controls leave, Esc among them; the typing
// box's keys have reached it through the box's handlers already.
void MainWindowView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    if (const auto key = TypingBoxKeyOf(*event)) {
        Forward([key](OrvikU& m) {
            std::int16_t code = key->code;
            m.Form_KeyUp(code, key->shift);
        });
    }
}

void MainWindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ForwardResize();
}

void MainWindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) ForwardResize();
}

void MainWindowView::ForwardResize() {
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    const OrvikU::State state = StateOf(*this);
    const int outerWidth = PixelsToTwips(frameGeometry().width(), dpiX);
    const int innerWidth = PixelsToTwips(width(), dpiX), innerHeight = PixelsToTwips(height(), dpiY);
    Forward([=](OrvikU& m) {
        m.WindowState = state;
        m.Width = outerWidth;
        m.ScaleWidth = innerWidth;
        m.ScaleHeight = innerHeight;
        m.Form_Resize();
    });
    ApplyLayout();
}

// The model's width, the dictionary view's place and Picture1's left edge;
// the status bar lies along the bottom.
void MainWindowView::ApplyLayout() {
    const OrvikU& model = Model();
    const int frameWidth = frameGeometry().width() - width();
    const int wanted = TwipsToPixels(model.Width, logicalDpiX()) - frameWidth;
    if (!isMinimized() && wanted > width()) resize(wanted, height());
    webBrowser1_->setGeometry(TwipsToPixels(model.WebBrowser1Rect, *this));
    picture1_->move(TwipsToPixels(model.Picture1Left, logicalDpiX()), picture1_->y());
    const int statusHeight = statusBar1_->sizeHint().height();
    statusBar1_->setGeometry(0, height() - statusHeight, width(), statusHeight);
}

// Closing the window ends the program in order, as the menu's last item
// does.
// The window stays: either the user cancels, or the orderly end has run and
// the process ends.
void MainWindowView::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Forward([&cancel](OrvikU& m) { m.Form_QueryUnload(cancel, true); });
    event->ignore();
}

}  // namespace orvik
