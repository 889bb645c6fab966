#include "views/pickers_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "shell/application.h"
#include "views/toolbar_icons.h"

namespace orvik {

namespace {

QString FromModel(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

// Picture3 takes no focus, so the dictionary view keeps its selection for
// the copy the click asks of it.
PickersView::PickersView(Application& app, QtPlatform& platform, QWidget* parent)
    : QFrame(parent), app_(app), platform_(platform) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    caption_ = new QLabel(this);
    picture3_ = new QToolButton(this);
    picture3_->setFocusPolicy(Qt::NoFocus);
    picture3_->setAutoRaise(true);
    picture3_->setIcon(TextIcon(QStringLiteral("&#;"), *this));
    picture3_->setToolTip(QString::fromUtf8("Chép chữ tô đen trong trang từ điển thành &#mã; (HTML)"));
    label1_ = new QLabel(this);
    label1_->setCursor(Qt::PointingHandCursor);
    label1_->setToolTip(QString::fromUtf8("Đổi ncangjie.dxx thành ncangjie.udx theo bảng machuan.txt"));
    label1_->installEventFilter(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(caption_);
    row->addWidget(picture3_);
    row->addWidget(label1_);
    row->addStretch();
    connect(picture3_, &QToolButton::clicked, this, [this] { Forward([](OrvikU& m) { m.Picture3_Click(); }); });
}

OrvikU& PickersView::Model() { return app_.MainWindow(); }

void PickersView::Redraw() {
    const OrvikU& model = Model();
    caption_->setText(FromModel(model.Frame5.Caption));
    picture3_->setVisible(model.Picture3.Visible);
    label1_->setText(FromModel(model.Label1.Caption));
}

// A label has no click of its own: a left press and release on it is one.
bool PickersView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != label1_ || event->type() != QEvent::MouseButtonRelease) return false;
    const auto& mouse = static_cast<QMouseEvent&>(*event);
    if (mouse.button() != Qt::LeftButton || !label1_->rect().contains(mouse.position().toPoint())) return false;
    Forward([](OrvikU& m) { m.Label1_Click(); });
    return true;
}

}  // namespace orvik
