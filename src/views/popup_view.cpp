#include "views/popup_view.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/qt/display_text.h"
#include "platform/qt/page_view.h"
#include "platform/qt/qt_platform.h"
#include "views/twips.h"
#include "shell/application.h"

namespace orvik {

namespace {

constexpr TwipRect kPopupRect{0, 0, 5400, 4200};
constexpr int kMarginTwips = 15;
constexpr int kButtonWidth = 600, kButtonHeight = 400;

}  // namespace

PopupView::PopupView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window), app_(app), platform_(platform) {
    webBrowser1_ = new PageView([this] { return platform_.DataDirectory(); }, this);
    text1_ = new QPlainTextEdit(this);
    text1_->setReadOnly(true);
    // Reading aloud comes with the speech clips; until then the button shows
    // where it will be.
    command1_ = new QPushButton(QString::fromUtf8("\u25B6"), this);
    command1_->setEnabled(false);
    resize(TwipsToPixels(kPopupRect, *this).size());
    platform_.RegisterWindow(WindowId::WPopup, this, [this] { Redraw(); });
    platform_.RegisterView("WPopup.WebBrowser1", webBrowser1_);
}

PopupView::~PopupView() { platform_.UnregisterWindow(WindowId::WPopup); }

WPopup& PopupView::Model() { return app_.Popup(); }

void PopupView::Redraw() {
    WPopup& model = Model();
    setWindowTitle(QString::fromStdU16String(model.Caption));
    text1_->setVisible(model.Text1.Visible);
    const QString text = QString::fromStdU16String(DisplayText(model.Text1.Text, model.Text1.FontName));
    if (text1_->toPlainText() != text) text1_->setPlainText(text);
}

// The page view and the box fill the window but for a margin; the button
// sits in the lower right corner.
void PopupView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    const int margin = TwipsToPixels(kMarginTwips, dpiX);
    const QRect area(margin, margin, width() - 2 * margin, height() - 2 * margin);
    webBrowser1_->setGeometry(area);
    text1_->setGeometry(area);
    command1_->setGeometry(width() - TwipsToPixels(800, dpiX), height() - TwipsToPixels(580, dpiY),
                           TwipsToPixels(kButtonWidth, dpiX), TwipsToPixels(kButtonHeight, dpiY));
    command1_->raise();
}

void PopupView::mousePressEvent(QMouseEvent*) {
    Model().Form_MouseDown();
    platform_.RedrawAll();
}

void PopupView::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Model().Form_QueryUnload(cancel);
    if (cancel) event->ignore();
    else event->accept();
}

}  // namespace orvik
