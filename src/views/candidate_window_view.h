// The candidate window on screen, drawn from the model HVTNP of the
// application: the typed code, the ten candidate buttons and the paging
// buttons at the model's twip positions, the candidate page, the
// label that drags the window, the menu, mode and guide buttons and the close
// image. Every event goes to the model's handler and the window is drawn
// again from the model; keys typed into the window go to the platform's key
// path, as the keyboard hook's keys do.
#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvik {

class Application;
class HVTNP;
class CandidatePageView;
class QtPlatform;

class CandidateWindowView : public QWidget {
public:
    CandidateWindowView(Application& app, QtPlatform& platform);
    ~CandidateWindowView() override;

    void Redraw();

    const CandidatePageView& Page() const { return *webBrowser1_; }
    // The typed code as the box shows it.
    QString ShownCode() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    HVTNP& Model();
    void Build();
    void Place();
    void Connect();
    void Register();
    // Runs a handler of the model, then draws every window again.
    template <typename Handler>
    void Forward(Handler handler);
    bool ForwardMouse(QObject* watched, QEvent* event);

    Application& app_;
    QtPlatform& platform_;
    QLabel* label1_;
    QPushButton* command3_;
    QPushButton* command4_;
    QPushButton* command1_;
    QLabel* image1_;
    QGroupBox* frame1_;
    QLineEdit* text1_;
    std::array<QPushButton*, 10> command2_;
    QPushButton* command5_;
    QPushButton* command6_;
    CandidatePageView* webBrowser1_;
};

}  // namespace orvik
