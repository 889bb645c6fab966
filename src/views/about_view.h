// The about window on screen, drawn from the model QXAbout: its caption and
// its two lines. It closes itself by the model's timer; closing it by hand
// unloads it as well.
#pragma once

#include <QWidget>

class QLabel;

namespace orvik {

class Application;
class QtPlatform;

class AboutView : public QWidget {
public:
    AboutView(Application& app, QtPlatform& platform);
    ~AboutView() override;

    void Redraw();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Application& app_;
    QtPlatform& platform_;
    QLabel* label1_;
    QLabel* label2_;
};

}  // namespace orvik
