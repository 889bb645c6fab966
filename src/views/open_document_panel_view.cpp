#include "views/open_document_panel_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>

#include "codes/desktop_codes.h"
#include "platform/qt/qt_platform.h"
#include "shell/application.h"
#include "views/file_list.h"
#include "views/folder_list.h"
#include "views/twips.h"

namespace orvik {

namespace {

// The places in the panel, in twips; the lists' places are in Frame2.
constexpr TwipRect kFrame1Rect{60, 0, 8520, 720};
constexpr TwipRect kCombo1Rect{120, 270, 8280, 360};
constexpr TwipRect kFrame2Rect{60, 780, 8520, 2880};
constexpr TwipRect kDrive1Rect{120, 270, 3600, 360};
constexpr TwipRect kDir1Rect{120, 690, 3600, 2070};
constexpr TwipRect kFile1Rect{3840, 270, 4560, 2490};
constexpr TwipRect kCommand3Rect{5880, 3750, 1200, 390};
constexpr TwipRect kCommand4Rect{7200, 3750, 1200, 390};

QString FromModel(const std::u16string& text) { return QString::fromStdU16String(text); }

// The roots of the mounted volumes stand for the drives.
QStringList DriveRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) roots << volume.rootPath();
    roots.sort();
    return roots;
}

}  // namespace

OpenDocumentPanelView::OpenDocumentPanelView(Application& app, QtPlatform& platform, QWidget* parent)
    : QFrame(parent), app_(app), platform_(platform) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    Build();
    Place();
    Connect();
    setTabOrder(combo1_, drive1_);
    setTabOrder(drive1_, dir1_);
    setTabOrder(dir1_, file1_);
    setTabOrder(file1_, command3_);
    setTabOrder(command3_, command4_);
    platform_.RegisterControl("OrvikU.Combo1", combo1_);
}

OrvikU& OpenDocumentPanelView::Model() { return app_.MainWindow(); }

void OpenDocumentPanelView::Build() {
    frame1_ = new QGroupBox(this);
    combo1_ = new QComboBox(frame1_);
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    frame2_ = new QGroupBox(this);
    drive1_ = new QComboBox(frame2_);
    drive1_->addItems(DriveRoots());
    dir1_ = new FolderList(
        [this](const QString& folder) {
            const std::u16string path = folder.toStdU16String();
            Forward([&path](OrvikU& m) {
                m.Picture2.Dir1.Path = path;
                m.Dir1_Change();
            });
        },
        frame2_);
    file1_ = new FileList(
        [this](const QString& file) {
            const std::u16string name = file.toStdU16String();
            Forward([&name](OrvikU& m) { m.Picture2.File1.FileName = name; });
        },
        [this](const QString& file) {
            const std::u16string name = file.toStdU16String();
            Forward([&name](OrvikU& m) {
                m.Picture2.File1.FileName = name;
                m.File1_DblClick();
            });
        },
        frame2_);
    command3_ = new QPushButton(this);
    command4_ = new QPushButton(this);
}

void OpenDocumentPanelView::Place() {
    frame1_->setGeometry(TwipsToPixels(kFrame1Rect, *this));
    combo1_->setGeometry(TwipsToPixels(kCombo1Rect, *this));
    frame2_->setGeometry(TwipsToPixels(kFrame2Rect, *this));
    drive1_->setGeometry(TwipsToPixels(kDrive1Rect, *this));
    dir1_->setGeometry(TwipsToPixels(kDir1Rect, *this));
    file1_->setGeometry(TwipsToPixels(kFile1Rect, *this));
    command3_->setGeometry(TwipsToPixels(kCommand3Rect, *this));
    command4_->setGeometry(TwipsToPixels(kCommand4Rect, *this));
}

void OpenDocumentPanelView::Connect() {
    // The typed address is the box's text; Enter is its one key with an
    // action. The box, not its line edit, has the focus and passes Enter
    // on to the line edit directly, so the line edit's signal is what sees it.
    connect(combo1_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { Model().Picture2.Combo1.Text = text.toStdU16String(); });
    connect(combo1_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        Forward([](OrvikU& m) {
            std::int16_t ascii = kAsciiReturn;
            m.Combo1_KeyPress(ascii);
        });
    });
    connect(drive1_, &QComboBox::activated, this, [this](int index) {
        const std::u16string drive = drive1_->itemText(index).toStdU16String();
        Forward([&drive](OrvikU& m) {
            m.Picture2.Drive1.Drive = drive;
            m.Drive1_Change();
        });
    });
    connect(command3_, &QPushButton::clicked, this, [this] { Forward([](OrvikU& m) { m.Command3_Click(); }); });
    connect(command4_, &QPushButton::clicked, this, [this] { Forward([](OrvikU& m) { m.Command4_Click(); }); });
}

void OpenDocumentPanelView::Redraw() {
    const OpenDocumentPanel& model = Model().Picture2;
    frame1_->setTitle(FromModel(model.Frame1.Caption));
    frame2_->setTitle(FromModel(model.Frame2.Caption));
    if (combo1_->currentText() != FromModel(model.Combo1.Text)) combo1_->setEditText(FromModel(model.Combo1.Text));
    command3_->setText(FromModel(model.Command3.Caption));
    command4_->setText(FromModel(model.Command4.Caption));
    if (model.Visible) RedrawLists();
    setVisible(model.Visible);
}

// The lists are read while the panel is shown, and again only when the
// model names another drive, folder or pattern than they show.
void OpenDocumentPanelView::RedrawLists() {
    const OpenDocumentPanel& model = Model().Picture2;
    const QString drive = FromModel(model.Drive1.Drive);
    if (drive1_->currentText() != drive) drive1_->setCurrentIndex(drive1_->findText(drive));
    dir1_->Show(FromModel(model.Dir1.Path));
    file1_->Show(FromModel(model.File1.Path), FromModel(model.File1.Pattern).split(';', Qt::SkipEmptyParts));
    if (model.File1.FileName.empty()) file1_->clearSelection();
}

}  // namespace orvik
