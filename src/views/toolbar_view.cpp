#include "views/toolbar_view.h"

#include <QAction>

#include "views/toolbar_icons.h"

namespace orvik {

ToolbarView::ToolbarView(const Toolbar& model, const Actions& actions, QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    for (const ToolbarButton& button : model.Buttons) {
        const QString key = QString::fromStdU16String(button.Key);
        QAction* action = addAction(ToolbarIcon(button.Key, *this), key);
        action->setCheckable(true);
        const auto run = actions.find(button.Key);
        action->setEnabled(run != actions.end());
        if (run != actions.end()) connect(action, &QAction::triggered, this, run->second);
    }
    Redraw(model);
}

void ToolbarView::Redraw(const Toolbar& model) {
    const QList<QAction*> buttons = actions();
    for (qsizetype i = 0; i < buttons.size(); ++i) buttons[i]->setChecked(model[static_cast<std::size_t>(i)].Pressed);
}

int ToolbarView::BarX(const QObject& watched, int x) const {
    const auto* widget = qobject_cast<const QWidget*>(&watched);
    if (!widget || widget == this) return x;
    return widget->mapTo(this, QPoint(x, 0)).x();
}

int ToolbarView::ButtonWidth() const {
    const QList<QAction*> buttons = actions();
    if (buttons.isEmpty()) return 0;
    const QWidget* first = widgetForAction(buttons.front());
    return first ? first->width() : 0;
}

}  // namespace orvik
