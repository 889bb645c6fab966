// The quick-view popup on screen, drawn from the model WPopup: a page view
// and a transcription box over the same area, and the read-aloud button,
// which shows a play picture while idle and a stop picture while reading.
// A press on its surface and a request to close it go to the model, which
// only hides it.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QPlainTextEdit;
class QPushButton;

namespace orvik {

class Application;
class PageView;
class QtPlatform;
class WPopup;

class PopupView : public QWidget {
public:
    PopupView(Application& app, QtPlatform& platform);
    ~PopupView() override;

    void Redraw();
    PageView& Page() { return *webBrowser1_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WPopup& Model();

    Application& app_;
    QtPlatform& platform_;
    PageView* webBrowser1_;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
    // The model's selection last shown, so a selection the user makes is
    // kept until the model selects anew.
    std::int32_t shownSelStart_ = -1, shownSelLength_ = -1;
    // The button's icon is decoded only when it changes.
    std::optional<bool> shownReading_;
};

}  // namespace orvik
