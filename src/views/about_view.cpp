#include "views/about_view.h"

#include <QCloseEvent>
#include <QLabel>

#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/twips.h"

namespace orvik {

namespace {

constexpr TwipRect kWindowRect{0, 0, 5400, 1800};
constexpr TwipRect kLabel1Rect{240, 240, 4920, 480};
constexpr TwipRect kLabel2Rect{240, 780, 4920, 780};
constexpr int kTitlePointSize = 16;

}  // namespace

AboutView::AboutView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Dialog), app_(app), platform_(platform) {
    label1_ = new QLabel(this);
    QFont title = label1_->font();
    title.setPointSize(kTitlePointSize);
    title.setBold(true);
    label1_->setFont(title);
    label1_->setAlignment(Qt::AlignCenter);
    label2_ = new QLabel(this);
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignCenter);
    setFixedSize(TwipsToPixels(kWindowRect, *this).size());
    label1_->setGeometry(TwipsToPixels(kLabel1Rect, *this));
    label2_->setGeometry(TwipsToPixels(kLabel2Rect, *this));
    platform_.RegisterWindow(WindowId::QXAbout, this, [this] { Redraw(); });
}

AboutView::~AboutView() { platform_.UnregisterWindow(WindowId::QXAbout); }

void AboutView::Redraw() {
    const QXAbout& model = app_.AboutWindow();
    setWindowTitle(QString::fromStdU16String(model.Caption));
    label1_->setText(QString::fromStdU16String(model.Label1.Caption));
    label2_->setText(QString::fromStdU16String(model.Label2.Caption));
}

void AboutView::closeEvent(QCloseEvent* event) {
    if (app_.AboutWindowLoaded()) app_.UnloadAboutWindow();
    platform_.RedrawAll();
    event->accept();
}

}  // namespace orvik
