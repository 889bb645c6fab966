#include "views/config_dialog_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>
#include <initializer_list>

#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/twips.h"

namespace orvik {

namespace {

// The design places, in twips: the title; Frame1 holding the code and mode
// boxes side by side, the two font frames below them, the save box and the
// start-with-the-desktop box; the button row along the bottom. The controls
// of a frame are placed in it.
constexpr TwipRect kWindowRect{0, 0, 5280, 4560};
constexpr TwipRect kLabel1Rect{120, 120, 5040, 480};
constexpr TwipRect kFrame1Rect{120, 660, 5040, 3120};
constexpr int kLeftColumn = 135, kRightColumn = 2565, kUpperRow = 300, kLowerRow = 1260;
constexpr int kFrameWidth = 2340, kFrameHeight = 870;
// What a small frame holds: a box or a font label, under its title.
constexpr TwipRect kInFrameRect{120, 375, 2100, 375};
constexpr TwipRect kCheck2Rect{135, 2280, 285, 330};
constexpr TwipRect kLabel5Rect{435, 2295, 4470, 300};
constexpr TwipRect kCheck3Rect{135, 2640, 285, 330};
constexpr TwipRect kLabel6Rect{435, 2655, 4470, 300};
// About on the left, OK and Cancel together on the right.
constexpr int kButtonTop = 3960, kButtonWidth = 1200, kButtonHeight = 420;
constexpr int kCommand4Left = 120, kCommand1Left = 2640, kCommand2Left = 3960;

constexpr int kTitlePointSize = 14;
constexpr char kFontLabelTip[] = "Bấm vào đây để chọn font";

QString FromModel(const std::u16string& text) { return QString::fromStdU16String(text); }

TwipRect FrameRect(int left, int top) { return {left, top, kFrameWidth, kFrameHeight}; }

TwipRect ButtonRect(int left) { return {left, kButtonTop, kButtonWidth, kButtonHeight}; }

template <typename Control>
Control* Make(QWidget* parent, const char* name) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The boxes take any text as the model's boxes do: no completion from the
// list and no adding of typed text to it.
QComboBox* MakeCombo(QGroupBox* frame, const char* name) {
    auto* box = Make<QComboBox>(frame, name);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// A font label is clicked to choose its font, so it looks like a field one
// can press.
QLabel* MakeFontLabel(QGroupBox* frame, const char* name) {
    auto* label = Make<QLabel>(frame, name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QString::fromUtf8(kFontLabelTip));
    return label;
}

// The list is filled anew only when it changed, so an open list keeps its
// place; the list is filled before the text, which filling replaces.
void ShowCombo(QComboBox& view, const ComboBox& model) {
    QStringList items;
    for (const std::u16string& item : model.List) items << FromModel(item);
    QStringList shown;
    for (int i = 0; i < view.count(); ++i) shown << view.itemText(i);
    if (shown != items) {
        view.clear();
        view.addItems(items);
    }
    const QString text = FromModel(model.Text);
    if (view.currentText() != text) view.setEditText(text);
}

void ShowButton(QPushButton& view, const Button& model) {
    view.setText(FromModel(model.Caption));
    view.setToolTip(FromModel(model.ToolTipText));
}

}  // namespace

ConfigDialogView::ConfigDialogView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Dialog), app_(app), platform_(platform) {
    Build();
    Place();
    Connect();
    platform_.RegisterWindow(WindowId::CauHinh, this, [this] { Redraw(); });
}

// The controls going away move the focus, which must no longer reach a
// dialog that is half destroyed.
ConfigDialogView::~ConfigDialogView() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    platform_.UnregisterWindow(WindowId::CauHinh);
}

CauHinh& ConfigDialogView::Model() { return app_.ConfigDialog(); }

template <typename Handler>
void ConfigDialogView::Forward(Handler handler) {
    std::invoke(handler, Model());
    platform_.RedrawAll();
}

void ConfigDialogView::Build() {
    label1_ = Make<QLabel>(this, "Label1");
    QFont title = label1_->font();
    title.setPointSize(kTitlePointSize);
    title.setBold(true);
    label1_->setFont(title);
    label1_->setAlignment(Qt::AlignCenter);
    BuildFrame1();
    // The buttons in the order Tab visits them after the boxes.
    command1_ = Make<QPushButton>(this, "Command1");
    command2_ = Make<QPushButton>(this, "Command2");
    command4_ = Make<QPushButton>(this, "Command4");
}

void ConfigDialogView::BuildFrame1() {
    frame1_ = Make<QGroupBox>(this, "Frame1");
    frame2_ = Make<QGroupBox>(frame1_, "Frame2");
    combo1_ = MakeCombo(frame2_, "Combo1");
    frame3_ = Make<QGroupBox>(frame1_, "Frame3");
    combo2_ = MakeCombo(frame3_, "Combo2");
    frame4_ = Make<QGroupBox>(frame1_, "Frame4");
    label3_ = MakeFontLabel(frame4_, "Label3");
    frame5_ = Make<QGroupBox>(frame1_, "Frame5");
    label4_ = MakeFontLabel(frame5_, "Label4");
    check2_ = Make<QCheckBox>(frame1_, "Check2");
    label5_ = Make<QLabel>(frame1_, "Label5");
    check3_ = Make<QCheckBox>(frame1_, "Check3");
    label6_ = Make<QLabel>(frame1_, "Label6");
}

void ConfigDialogView::Place() {
    setFixedSize(TwipsToPixels(kWindowRect, *this).size());
    label1_->setGeometry(TwipsToPixels(kLabel1Rect, *this));
    frame1_->setGeometry(TwipsToPixels(kFrame1Rect, *this));
    frame2_->setGeometry(TwipsToPixels(FrameRect(kLeftColumn, kUpperRow), *this));
    frame3_->setGeometry(TwipsToPixels(FrameRect(kRightColumn, kUpperRow), *this));
    frame4_->setGeometry(TwipsToPixels(FrameRect(kLeftColumn, kLowerRow), *this));
    frame5_->setGeometry(TwipsToPixels(FrameRect(kRightColumn, kLowerRow), *this));
    for (QWidget* inFrame : std::initializer_list<QWidget*>{combo1_, combo2_, label3_, label4_})
        inFrame->setGeometry(TwipsToPixels(kInFrameRect, *this));
    check2_->setGeometry(TwipsToPixels(kCheck2Rect, *this));
    label5_->setGeometry(TwipsToPixels(kLabel5Rect, *this));
    check3_->setGeometry(TwipsToPixels(kCheck3Rect, *this));
    label6_->setGeometry(TwipsToPixels(kLabel6Rect, *this));
    command4_->setGeometry(TwipsToPixels(ButtonRect(kCommand4Left), *this));
    command1_->setGeometry(TwipsToPixels(ButtonRect(kCommand1Left), *this));
    command2_->setGeometry(TwipsToPixels(ButtonRect(kCommand2Left), *this));
}

void ConfigDialogView::Connect() {
    ConnectCombo(combo1_, &CauHinh::Combo1);
    ConnectCombo(combo2_, &CauHinh::Combo2);
    connect(check2_, &QCheckBox::toggled, this,
            [this](bool on) { Forward([on](CauHinh& m) { m.Check2.Value = on; }); });
    connect(check3_, &QCheckBox::toggled, this,
            [this](bool on) { Forward([on](CauHinh& m) { m.Check3.Value = on; }); });
    connect(command1_, &QPushButton::clicked, this, [this] { Forward(&CauHinh::Command1_Click); });
    connect(command2_, &QPushButton::clicked, this, [this] { Forward(&CauHinh::Command2_Click); });
    connect(command4_, &QPushButton::clicked, this, [this] { Forward(&CauHinh::Command4_Click); });
    for (QWidget* clickable : std::initializer_list<QWidget*>{label3_, frame4_, label4_, frame5_})
        clickable->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &ConfigDialogView::FocusChanged);
}

// Typing into a box and choosing from its list both change its text.
void ConfigDialogView::ConnectCombo(QComboBox* view, ComboBox CauHinh::* box) {
    connect(view, &QComboBox::editTextChanged, this, [this, box](const QString& text) {
        Forward([box, &text](CauHinh& m) { (m.*box).Text = text.toStdU16String(); });
    });
}

// The code box is validated when another control of the dialog takes the
// focus; not when its own list opens, nor when the user turns to another
// window.
void ConfigDialogView::FocusChanged(QWidget* from, QWidget* to) {
    const auto inCombo1 = [this](QWidget* widget) { return widget == combo1_ || combo1_->isAncestorOf(widget); };
    if (from && to && inCombo1(from) && !inCombo1(to) && to->window() == this) Forward(&CauHinh::Combo1_Validate);
}

// A click on a font label is the label's; a click elsewhere in its frame
// is the frame's. Both are pressed and released with the left button over
// the same control.
bool ConfigDialogView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    const auto& mouse = static_cast<QMouseEvent&>(*event);
    if (mouse.button() != Qt::LeftButton) return false;
    const Click click = ClickOf(watched);
    if (!click) return false;
    const bool over = static_cast<QWidget*>(watched)->rect().contains(mouse.position().toPoint());
    event->accept();
    if (type == QEvent::MouseButtonRelease && over) Forward(click);
    return true;
}

ConfigDialogView::Click ConfigDialogView::ClickOf(const QObject* watched) const {
    if (watched == label3_) return &CauHinh::Label3_Click;
    if (watched == frame4_) return &CauHinh::Frame4_Click;
    if (watched == label4_) return &CauHinh::Label4_Click;
    if (watched == frame5_) return &CauHinh::Frame5_Click;
    return nullptr;
}

// The lists and texts are written with the boxes' signals held, so drawing
// runs no handler of the model.
void ConfigDialogView::Redraw() {
    const CauHinh& model = Model();
    const QSignalBlocker block1(combo1_), block2(combo2_), blockCheck2(check2_), blockCheck3(check3_);
    setWindowTitle(FromModel(model.Caption));
    label1_->setText(FromModel(model.Label1.Caption));
    frame1_->setTitle(FromModel(model.Frame1.Caption));
    frame2_->setTitle(FromModel(model.Frame2.Caption));
    ShowCombo(*combo1_, model.Combo1);
    frame3_->setTitle(FromModel(model.Frame3.Caption));
    ShowCombo(*combo2_, model.Combo2);
    frame4_->setTitle(FromModel(model.Frame4.Caption));
    label3_->setText(FromModel(model.Label3.Caption));
    frame5_->setTitle(FromModel(model.Frame5.Caption));
    label4_->setText(FromModel(model.Label4.Caption));
    check2_->setChecked(model.Check2.Value);
    check2_->setEnabled(model.Check2.Enabled);
    label5_->setText(FromModel(model.Label5.Caption));
    check3_->setChecked(model.Check3.Value);
    check3_->setEnabled(model.Check3.Enabled);
    label6_->setText(FromModel(model.Label6.Caption));
    ShowButton(*command4_, model.Command4);
    ShowButton(*command1_, model.Command1);
    ShowButton(*command2_, model.Command2);
}

// The model refuses and hides the dialog itself.
void ConfigDialogView::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Forward([&cancel](CauHinh& m) { m.Form_QueryUnload(cancel, /*fromUser=*/true); });
    if (cancel) event->ignore();
    else event->accept();
}

}  // namespace orvik
