#include "views/main_window_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "platform/qt/display_text.h"
#include "platform/qt/page_view.h"
#include "views/candidate_page_view.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/main_menu.h"
#include "views/open_document_panel_view.h"
#include "views/pickers_view.h"
#include "views/toolbar_view.h"
#include "views/twips.h"

namespace orvik {

namespace {

// The design places, in twips. The inner size the window opens with; the
// tool bars side by side on the top row; below them the typing box between
// its label and the found count, with Picture1 at the right edge; the row
// "<", "1" ... "0", ">", and the candidate list. The dictionary view and
// Picture1 follow the layout rule; the open-document panel covers the
// upper part of the window while it is shown.
constexpr int kDesignWidth = 9600, kDesignHeight = 7300;
constexpr int kToolbarHeight = 450;
constexpr int kToolbarGap = 120;
constexpr int kPicture1Top = 510, kPicture1Width = 2100, kPicture1Height = 390;
constexpr TwipRect kLblAddressRect{60, 555, 900, 300};
constexpr TwipRect kText1Rect{960, 510, 3300, 390};
constexpr TwipRect kLabel2Rect{4380, 555, 2100, 300};
constexpr int kButtonLeft = 60, kButtonTop = 990, kButtonWidth = 420, kButtonHeight = 360;
constexpr TwipRect kWebBrowser2Rect{60, 1410, 8640, 810};
// Frame5 stands right of the buttons, in their row.
constexpr TwipRect kFrame5Rect{5220, 975, 3480, 390};
constexpr TwipRect kPicture2Rect{60, 480, 8640, 4260};

constexpr int kBoxPointSize = 12;
// The candidate page asks for 18 points in a way the Qt view does not read.
constexpr int kPagePointSize = 18;
constexpr std::size_t kNextPage = 0, kPreviousPage = 1;

QString FromModel(const std::u16string& text) { return QString::fromStdU16String(text); }

void SetButton(QPushButton& view, const Button& model) {
    view.setText(FromModel(model.Caption));
    view.setToolTip(FromModel(model.ToolTipText));
}

// The pick and paging buttons leave the keyboard focus in the typing box.
QPushButton* MakeButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

TwipRect ButtonRect(int slot) { return {kButtonLeft + slot * kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight}; }

}  // namespace

MainWindowView::MainWindowView(Application& app, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window), app_(app), platform_(platform) {
    Build();
    Place();
    Connect();
    Register();
    text1_->setFocus();
}

MainWindowView::~MainWindowView() {
    platform_.SetPopupMenu(WindowId::OrvikU, {});
    platform_.UnregisterWindow(WindowId::OrvikU);
}

OrvikU& MainWindowView::Model() { return app_.MainWindow(); }

void MainWindowView::Build() {
    BuildToolbars();
    picture1_ = new QLabel(QString::fromUtf8("<b>Việt Orvik</b> 2004"), this);
    picture1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAddress_ = new QLabel(this);
    text1_ = new QLineEdit(this);
    QFont boxFont = text1_->font();
    boxFont.setPointSize(kBoxPointSize);
    text1_->setFont(boxFont);
    label2_ = new QLabel(this);
    command1_[kPreviousPage] = MakeButton(this);
    for (auto& button : command2_) button = MakeButton(this);
    command1_[kNextPage] = MakeButton(this);
    const auto dataDirectory = [this] { return platform_.DataDirectory(); };
    const auto openElsewhere = [this](const QUrl& url) { platform_.OpenWithDesktop(url); };
    webBrowser2_ = new CandidatePageView(this);
    QFont pageFont = webBrowser2_->font();
    pageFont.setPointSize(kPagePointSize);
    webBrowser2_->setFont(pageFont);
    webBrowser1_ = new PageView(dataDirectory, openElsewhere, this);
    frame5_ = new PickersView(app_, platform_, this);
    statusBar1_ = new QStatusBar(this);
    statusText_ = new QLabel(statusBar1_);
    statusBar1_->addWidget(statusText_, 1);
    picture2_ = new OpenDocumentPanelView(app_, platform_, this);
}

// The view is built before the window is loaded, from the tool bars'
// design; a press gives the button's key to the bar's handler.
void MainWindowView::BuildToolbars() {
    tbToolbar_ = new ToolbarView(
        OrvikU::kTbToolbarDesign,
        [this](const std::u16string& key) { Forward([&key](OrvikU& m) { m.tbToolbar_ButtonClick(key); }); }, this);
    toolbar1_ = new ToolbarView(
        OrvikU::kToolbar1Design,
        [this](const std::u16string& key) { Forward([&key](OrvikU& m) { m.Toolbar1_ButtonClick(key); }); }, this);
}

void MainWindowView::Place() {
    resize(TwipsToPixels(TwipRect{0, 0, kDesignWidth, kDesignHeight}, *this).size());
    const int barHeight = TwipsToPixels(kToolbarHeight, logicalDpiY());
    tbToolbar_->setGeometry(0, 0, tbToolbar_->sizeHint().width(), barHeight);
    toolbar1_->setGeometry(tbToolbar_->width() + TwipsToPixels(kToolbarGap, logicalDpiX()), 0,
                           toolbar1_->sizeHint().width(), barHeight);
    picture1_->setGeometry(TwipsToPixels(TwipRect{0, kPicture1Top, kPicture1Width, kPicture1Height}, *this));
    lblAddress_->setGeometry(TwipsToPixels(kLblAddressRect, *this));
    text1_->setGeometry(TwipsToPixels(kText1Rect, *this));
    label2_->setGeometry(TwipsToPixels(kLabel2Rect, *this));
    command1_[kPreviousPage]->setGeometry(TwipsToPixels(ButtonRect(0), *this));
    for (int i = 0; i < 10; ++i)
        command2_[static_cast<std::size_t>(i)]->setGeometry(TwipsToPixels(ButtonRect(i + 1), *this));
    command1_[kNextPage]->setGeometry(TwipsToPixels(ButtonRect(11), *this));
    webBrowser2_->setGeometry(TwipsToPixels(kWebBrowser2Rect, *this));
    frame5_->setGeometry(TwipsToPixels(kFrame5Rect, *this));
    picture2_->setGeometry(TwipsToPixels(kPicture2Rect, *this));
    // Tab goes from the box along the buttons to the two views.
    setTabOrder(text1_, command2_.front());
    for (std::size_t i = 1; i < command2_.size(); ++i) setTabOrder(command2_[i - 1], command2_[i]);
    setTabOrder(command2_.back(), command1_[kPreviousPage]);
    setTabOrder(command1_[kPreviousPage], command1_[kNextPage]);
    setTabOrder(command1_[kNextPage], webBrowser2_);
    setTabOrder(webBrowser2_, webBrowser1_);
}

void MainWindowView::Connect() {
    for (std::size_t i = 0; i < command1_.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(command1_[i], &QPushButton::clicked, this,
                [this, index] { Forward([index](OrvikU& m) { m.Command1_Click(index); }); });
    }
    for (std::size_t i = 0; i < command2_.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(command2_[i], &QPushButton::clicked, this,
                [this, index] { Forward([index](OrvikU& m) { m.Command2_Click(index); }); });
    }
    text1_->installEventFilter(this);
    WatchMouse(*tbToolbar_);
    WatchMouse(*toolbar1_);
}

// A bar's tip follows the button under the mouse: the moves over the bar
// and over its buttons are watched.
void MainWindowView::WatchMouse(ToolbarView& bar) {
    bar.setMouseTracking(true);
    bar.installEventFilter(this);
    for (QWidget* button : bar.findChildren<QWidget*>()) {
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }
}

void MainWindowView::Register() {
    platform_.RegisterWindow(WindowId::OrvikU, this, [this] { Redraw(); });
    platform_.RegisterView("OrvikU.WebBrowser1", webBrowser1_);
    platform_.RegisterCandidatePage("OrvikU.WebBrowser2", [this](std::u16string_view page) { webBrowser2_->Show(page); });
    // Picture3 gives the dictionary view the focus to copy its selection.
    platform_.RegisterControl("OrvikU.WebBrowser1", webBrowser1_);
    platform_.RegisterControl("OrvikU.Text1", text1_);
    platform_.SetPopupMenu(WindowId::OrvikU, [this] { ShowMainMenu(app_, platform_); });
}

void MainWindowView::Redraw() {
    const OrvikU& model = Model();
    setWindowTitle(FromModel(model.Caption));
    lblAddress_->setText(FromModel(model.lblAddress.Caption));
    // Rewritten only when it changed, so the caret stays where the user put
    // it.
    const QString box = FromModel(DisplayText(model.Text1.Text, model.Text1.FontName));
    if (text1_->text() != box) text1_->setText(box);
    text1_->setToolTip(FromModel(model.Text1.ToolTipText));
    text1_->setVisible(model.Text1.Visible);
    label2_->setText(FromModel(model.Label2.Caption));
    for (std::size_t i = 0; i < command1_.size(); ++i) SetButton(*command1_[i], model.Command1[i]);
    for (std::size_t i = 0; i < command2_.size(); ++i) SetButton(*command2_[i], model.Command2[i]);
    tbToolbar_->Redraw(model.tbToolbar);
    toolbar1_->Redraw(model.Toolbar1);
    picture1_->setVisible(model.Picture1.Visible);
    statusText_->setText(FromModel(model.StatusBar1.Text));
    picture2_->Redraw();
    frame5_->Redraw();
}

}  // namespace orvik
