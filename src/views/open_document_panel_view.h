// The main window's open-document panel Picture2 drawn from its model: the
// address box Combo1 (editable), the drive list Drive1 (the roots of the
// mounted volumes), the folder list Dir1 and the file list File1 (the
// files of the folder that match its pattern), OK and Cancel. What the user
// types, chooses and clicks goes to the main window's handlers.
#pragma once

#include <QFrame>

#include "platform/qt/qt_platform.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace orvik {

class Application;
class FileList;
class FolderList;
class OrvikU;

class OpenDocumentPanelView : public QFrame {
public:
    OpenDocumentPanelView(Application& app, QtPlatform& platform, QWidget* parent);

    void Redraw();

private:
    OrvikU& Model();
    void Build();
    void Place();
    void Connect();
    void RedrawLists();
    // Runs a handler of the model, then draws every window again.
    template <typename Handler>
    void Forward(Handler handler) {
        handler(Model());
        platform_.RedrawAll();
    }

    Application& app_;
    QtPlatform& platform_;
    QGroupBox* frame1_;
    QComboBox* combo1_;
    QGroupBox* frame2_;
    QComboBox* drive1_;
    FolderList* dir1_;
    FileList* file1_;
    QPushButton* command3_;
    QPushButton* command4_;
};

}  // namespace orvik
