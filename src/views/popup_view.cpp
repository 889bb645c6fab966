#include "views/popup_view.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/display_text.h"
#include "platform/qt/page_view.h"
#include "platform/qt/qt_platform.h"
#include "views/text_box_selection.h"
#include "views/twips.h"
#include "shell/application.h"

namespace orvik {

namespace {

constexpr TwipRect kPopupRect{0, 0, 5400, 4200};

}  // namespace

PopupView::PopupView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window), app_(app), platform_(platform) {
    webBrowser1_ = new PageView([this] { return platform_.DataDirectory(); },
                                [this](const QUrl& url) { platform_.OpenWithDesktop(url); }, this);
    text1_ = new QPlainTextEdit(this);
    text1_->setReadOnly(true);
    command1_ = new QPushButton(this);
    connect(command1_, &QPushButton::clicked, this, [this] {
        Model().Command1_Click();
        platform_.RedrawAll();
    });
    resize(TwipsToPixels(kPopupRect, *this).size());
    platform_.RegisterWindow(WindowId::WPopup, this, [this] { Redraw(); });
    platform_.RegisterView("WPopup.WebBrowser1", webBrowser1_);
    platform_.RegisterControl("WPopup.Text1", text1_);
}

PopupView::~PopupView() { platform_.UnregisterWindow(WindowId::WPopup); }

WPopup& PopupView::Model() { return app_.Popup(); }

void PopupView::Redraw() {
    WPopup& model = Model();
    setWindowTitle(QString::fromStdU16String(model.Caption));
    text1_->setVisible(model.Text1.Visible);
    const QString text = QString::fromStdU16String(DisplayText(model.Text1.Text, model.Text1.FontName));
    const bool newText = text1_->toPlainText() != text;
    if (newText) text1_->setPlainText(text);
    if (newText || model.Text1.SelStart != shownSelStart_ || model.Text1.SelLength != shownSelLength_) {
        ShowSelection(*text1_, model.Text1);
        shownSelStart_ = model.Text1.SelStart;
        shownSelLength_ = model.Text1.SelLength;
    }
    const bool reading = model.Command1.Picture == WPopup::kImage2;
    if (shownReading_ != reading) {
        shownReading_ = reading;
        command1_->setIcon(style()->standardIcon(reading ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    }
    command1_->setEnabled(model.Command1.Enabled);
}

// The model places the controls in twips of the client area.
void PopupView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    WPopup& model = Model();
    model.Form_Resize(PixelsToTwips(width(), dpiX), PixelsToTwips(height(), dpiY));
    webBrowser1_->setGeometry(TwipsToPixels(model.Layout.WebBrowser1, *this));
    text1_->setGeometry(TwipsToPixels(model.Layout.Text1, *this));
    command1_->setGeometry(TwipsToPixels(model.Layout.Command1, *this));
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
