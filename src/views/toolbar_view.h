// A tool bar of the main window drawn from its model: one icon button per
// key, in the model's order, shown pressed as the model says. A click on a
// button gives its key to the bar's press handler.
#pragma once

#include <QToolBar>
#include <functional>
#include <string>

#include "platform/controls.h"

namespace orvik {

class ToolbarView : public QToolBar {
public:
    using Press = std::function<void(const std::u16string& key)>;

    ToolbarView(const Toolbar& model, const Press& press, QWidget* parent);

    void Redraw(const Toolbar& model);
    // The place of the pointer over the bar or one of its buttons, in the
    // bar's pixels, and the width of one button.
    int BarX(const QObject& watched, int x) const;
    int ButtonWidth() const;
};

}  // namespace orvik
