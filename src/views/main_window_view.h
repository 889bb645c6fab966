// The main window on screen, drawn from the model OrvikU: the two tool
// bars, the typing box with its label and the found count, the paging and
// pick buttons, the character pickers Frame5, the candidate list
// WebBrowser2, the dictionary view WebBrowser1, the status bar and the
// open-document panel. Every event goes
// to the model's handler and the windows are drawn again from their models;
// keys typed into the typing box go to its key handlers, which write the
// box. A resize goes through the model's layout rule.
#pragma once

#include <QWidget>
#include <array>

#include "platform/qt/qt_platform.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace orvik {

class Application;
class OpenDocumentPanelView;
class OrvikU;
class CandidatePageView;
class PageView;
class PickersView;
class ToolbarView;

class MainWindowView : public QWidget {
public:
    MainWindowView(Application& app, QtPlatform& platform);
    ~MainWindowView() override;

    void Redraw();

    QLineEdit& TypingBox() { return *text1_; }
    PageView& Dictionary() { return *webBrowser1_; }
    const CandidatePageView& CandidateList() const { return *webBrowser2_; }
    // Button "1" to "9" for 0 to 8, "0" for 9.
    QPushButton& PickButton(int index) { return *command2_[static_cast<std::size_t>(index)]; }
    ToolbarView& Toolbar1() { return *toolbar1_; }
    ToolbarView& TbToolbar() { return *tbToolbar_; }
    PickersView& Frame5() { return *frame5_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    OrvikU& Model();
    void Build();
    void BuildToolbars();
    void Place();
    void Connect();
    void Register();
    // Runs a handler of the model, then draws every window again.
    template <typename Handler>
    void Forward(Handler handler) {
        handler(Model());
        platform_.RedrawAll();
    }
    bool TypeIntoBox(QEvent* event);
    bool ForwardToolbarMouse(QObject* watched, QEvent* event);
    // The bar the watched object is or lies on; none for other objects.
    ToolbarView* BarOf(QObject* watched) const;
    void WatchMouse(ToolbarView& bar);
    void ForwardResize();
    void ApplyLayout();

    Application& app_;
    QtPlatform& platform_;
    ToolbarView* tbToolbar_;
    ToolbarView* toolbar1_;
    QLabel* picture1_;
    QLabel* lblAddress_;
    QLineEdit* text1_;
    QLabel* label2_;
    std::array<QPushButton*, 2> command1_;
    std::array<QPushButton*, 10> command2_;
    CandidatePageView* webBrowser2_;
    PageView* webBrowser1_;
    PickersView* frame5_;
    QStatusBar* statusBar1_;
    QLabel* statusText_;
    OpenDocumentPanelView* picture2_;
};

}  // namespace orvik
