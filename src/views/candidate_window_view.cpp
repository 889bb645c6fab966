#include "views/candidate_window_view.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/display_text.h"
#include "platform/qt/page_view.h"
#include "views/candidate_page_view.h"
#include "platform/qt/qt_platform.h"
#include "views/twips.h"
#include "shell/application.h"

namespace orvik {

namespace {

// The places the model leaves open, in twips: a drag label with the mode,
// "98", "?" and menu buttons and the close image on the top row; the frame
// with the typed code and the button row; the page view below it.
constexpr TwipRect kWindowRect{0, 0, 8280, 2220};
constexpr TwipRect kLabel1Rect{0, 0, 5700, 300};
constexpr TwipRect kCommand3Rect{5760, 15, 480, 270};
constexpr TwipRect kCommand4Rect{6270, 15, 360, 270};
constexpr TwipRect kCommand1Rect{6660, 15, 1080, 270};
constexpr TwipRect kImage1Rect{7920, 30, 240, 240};
constexpr TwipRect kFrame1Rect{60, 300, 8160, 720};
constexpr TwipRect kText1Rect{90, 300, 1140, 300};  // in the frame, beside the buttons
constexpr TwipRect kWebBrowser1Rect{60, 1050, 8160, 1110};

constexpr int kCodePointSize = 12;
// The page file asks for 18 points as "18 pt", a size the Qt view does not
// read; the view starts at that size instead.
constexpr int kPagePointSize = 18;

QString FromModel(const std::u16string& text) { return QString::fromStdU16String(text); }

// Mouse buttons as the handlers count them.
std::int16_t ButtonNumber(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return kLeftButton;
    if (button == Qt::RightButton) return kRightButton;
    if (button == Qt::MiddleButton) return kMiddleButton;
    return 0;
}

void SetButton(QPushButton& view, const Button& model) {
    view.setText(FromModel(model.Caption));
    view.setToolTip(FromModel(model.ToolTipText));
}

}  // namespace

CandidateWindowView::CandidateWindowView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      app_(app),
      platform_(platform) {
    Build();
    Place();
    Connect();
    Register();
}

CandidateWindowView::~CandidateWindowView() { platform_.UnregisterWindow(WindowId::HVTNP); }

HVTNP& CandidateWindowView::Model() { return app_.CandidateWindow(); }

void CandidateWindowView::Build() {
    label1_ = new QLabel(this);
    command3_ = new QPushButton(this);
    command4_ = new QPushButton(this);
    command1_ = new QPushButton(this);
    image1_ = new QLabel(this);
    image1_->setPixmap(style()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16, 16));
    image1_->setCursor(Qt::PointingHandCursor);
    frame1_ = new QGroupBox(this);
    text1_ = new QLineEdit(frame1_);
    text1_->setReadOnly(true);
    QFont codeFont = text1_->font();
    codeFont.setPointSize(kCodePointSize);
    text1_->setFont(codeFont);
    const QFont arial("Arial");
    for (auto& button : command2_) {
        button = new QPushButton(frame1_);
        button->setFont(arial);
    }
    command5_ = new QPushButton(frame1_);
    command6_ = new QPushButton(frame1_);
    webBrowser1_ = new CandidatePageView(this);
    QFont pageFont = webBrowser1_->font();
    pageFont.setPointSize(kPagePointSize);
    webBrowser1_->setFont(pageFont);
    setFocusPolicy(Qt::StrongFocus);
}

void CandidateWindowView::Place() {
    setFixedSize(TwipsToPixels(kWindowRect, *this).size());
    label1_->setGeometry(TwipsToPixels(kLabel1Rect, *this));
    command3_->setGeometry(TwipsToPixels(kCommand3Rect, *this));
    command4_->setGeometry(TwipsToPixels(kCommand4Rect, *this));
    command1_->setGeometry(TwipsToPixels(kCommand1Rect, *this));
    image1_->setGeometry(TwipsToPixels(kImage1Rect, *this));
    frame1_->setGeometry(TwipsToPixels(kFrame1Rect, *this));
    text1_->setGeometry(TwipsToPixels(kText1Rect, *this));
    for (int i = 0; i < 10; ++i)
        command2_[static_cast<std::size_t>(i)]->setGeometry(TwipsToPixels(HVTNP::Command2Rect(i), *this));
    command5_->setGeometry(TwipsToPixels(HVTNP::kCommand5Rect, *this));
    command6_->setGeometry(TwipsToPixels(HVTNP::kCommand6Rect, *this));
    webBrowser1_->setGeometry(TwipsToPixels(kWebBrowser1Rect, *this));
}

void CandidateWindowView::Connect() {
    connect(command5_, &QPushButton::clicked, this, [this] { Forward([](HVTNP& m) { m.Command5_Click(); }); });
    connect(command6_, &QPushButton::clicked, this, [this] { Forward([](HVTNP& m) { m.Command6_Click(); }); });
    connect(command3_, &QPushButton::clicked, this, [this] { Forward([](HVTNP& m) { m.Command3_Click(); }); });
    connect(command4_, &QPushButton::clicked, this, [this] { Forward([](HVTNP& m) { m.Command4_Click(); }); });
    // Keys belong to the input method, never to the controls: every child
    // hands them to this window's filter.
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void CandidateWindowView::Register() {
    platform_.RegisterWindow(WindowId::HVTNP, this, [this] { Redraw(); });
    platform_.RegisterCandidatePage("HVTNP.WebBrowser1", [this](std::u16string_view page) { webBrowser1_->Show(page); });
    platform_.RegisterControl("HVTNP.Text1", text1_);
    platform_.RegisterControl("HVTNP.Command1", command1_);
}

template <typename Handler>
void CandidateWindowView::Forward(Handler handler) {
    handler(Model());
    platform_.RedrawAll();
}

void CandidateWindowView::Redraw() {
    HVTNP& model = Model();
    setWindowTitle(FromModel(model.Caption));
    label1_->setText(FromModel(model.Label1.Caption));
    frame1_->setTitle(FromModel(model.Frame1.Caption));
    text1_->setText(QString::fromStdU16String(DisplayText(model.Text1.Text, model.Text1.FontName)));
    text1_->setVisible(model.Text1.Visible);
    for (std::size_t i = 0; i < command2_.size(); ++i) SetButton(*command2_[i], model.Command2[i]);
    SetButton(*command5_, model.Command5);
    SetButton(*command6_, model.Command6);
    SetButton(*command3_, model.Command3);
    SetButton(*command4_, model.Command4);
    SetButton(*command1_, model.Command1);
}

QString CandidateWindowView::ShownCode() const { return text1_->text(); }

bool CandidateWindowView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return true;
        case QEvent::KeyRelease:
            platform_.KeyReleased(static_cast<QKeyEvent&>(*event));
            return true;
        case QEvent::FocusIn:
            if (watched == text1_) Forward([](HVTNP& m) { m.Text1_GotFocus(); });
            return false;
        default:
            return ForwardMouse(watched, event);
    }
}

bool CandidateWindowView::ForwardMouse(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove) return false;
    const auto& mouse = static_cast<QMouseEvent&>(*event);
    if (type == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < command2_.size(); ++i)
            if (watched == command2_[i]) Forward([i](HVTNP& m) { m.Command2_MouseDown(static_cast<std::int16_t>(i)); });
        if (watched == text1_) Forward([](HVTNP& m) { m.Text1_MouseDown(); });
        if (watched == image1_) {
            Forward([](HVTNP& m) { m.Image1_Click(); });
            return true;
        }
    } else if (type == QEvent::MouseButtonRelease && watched == command1_) {
        const std::int16_t button = ButtonNumber(mouse.button());
        Forward([button](HVTNP& m) { m.Command1_MouseUp(button); });
    } else if (type == QEvent::MouseMove && watched == label1_) {
        const std::int16_t button = (mouse.buttons() & Qt::LeftButton) ? kLeftButton : 0;
        Forward([button](HVTNP& m) { m.Label1_MouseMove(button); });
    }
    return false;
}

void CandidateWindowView::keyPressEvent(QKeyEvent* event) { event->accept(); }

void CandidateWindowView::keyReleaseEvent(QKeyEvent* event) {
    platform_.KeyReleased(*event);
    event->accept();
}

void CandidateWindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = isMinimized();
        Forward([minimized](HVTNP& m) { m.Form_Resize(minimized); });
    }
}

// Closing the window unloads it, as its close image does.
void CandidateWindowView::closeEvent(QCloseEvent* event) {
    if (app_.CandidateWindowLoaded()) Forward([](HVTNP& m) { m.Form_Unload(); });
    event->accept();
}

}  // namespace orvik
