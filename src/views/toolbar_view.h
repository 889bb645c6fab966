// A tool bar of the main window drawn from its model: one icon button per
// key, in the model's order, shown pressed as the model says. A click runs
// the action given for the button's key; a button without one is disabled.
#pragma once

#include <QToolBar>
#include <functional>
#include <map>
#include <string>

#include "platform/controls.h"

namespace orvik {

class ToolbarView : public QToolBar {
public:
    using Actions = std::map<std::u16string, std::function<void()>, std::less<>>;

    ToolbarView(const Toolbar& model, const Actions& actions, QWidget* parent);

    void Redraw(const Toolbar& model);
    // The place of the pointer over the bar or one of its buttons, in the
    // bar's pixels, and the width of one button.
    int BarX(const QObject& watched, int x) const;
    int ButtonWidth() const;
};

}  // namespace orvik
