// The configuration dialog on screen, drawn from the model CauHinh: the
// title, the code and input-mode boxes, the two font labels, the save box,
// the start-with-the-desktop box and the three buttons. Typing or choosing in a box writes the model's
// box; the focus leaving the code box for another control of the dialog
// runs its validation; a click on a font label or around it in its frame
// opens that font's chooser. Closing the window asks the model, which
// hides the dialog instead.
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace orvik {

class Application;
class CauHinh;
class QtPlatform;
struct ComboBox;

class ConfigDialogView : public QWidget {
public:
    ConfigDialogView(Application& app, QtPlatform& platform);
    ~ConfigDialogView() override;

    void Redraw();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CauHinh& Model();
    void Build();
    void BuildFrame1();
    void Place();
    void Connect();
    void ConnectCombo(QComboBox* view, ComboBox CauHinh::* box);
    void FocusChanged(QWidget* from, QWidget* to);
    using Click = void (CauHinh::*)();
    // The handler of a click on a font label or its frame.
    Click ClickOf(const QObject* watched) const;
    // Runs a handler of the model, then draws every window again.
    template <typename Handler>
    void Forward(Handler handler);

    Application& app_;
    QtPlatform& platform_;
    QLabel* label1_;
    QGroupBox* frame1_;
    QGroupBox* frame2_;
    QComboBox* combo1_;
    QGroupBox* frame3_;
    QComboBox* combo2_;
    QGroupBox* frame4_;
    QLabel* label3_;
    QGroupBox* frame5_;
    QLabel* label4_;
    QCheckBox* check2_;
    QLabel* label5_;
    QCheckBox* check3_;
    QLabel* label6_;
    QPushButton* command4_;
    QPushButton* command1_;
    QPushButton* command2_;
};

}  // namespace orvik
