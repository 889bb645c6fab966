#include "views/toolbar_view.h"

#include <QAction>

#include "views/toolbar_icons.h"

namespace orvik {

// Only the model presses a button: the check mark a click toggles is put
// back before the handler runs (which may hold a question open), and the
// redraw after it shows the model's state.
ToolbarView::ToolbarView(const Toolbar& model, const Press& press, QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    for (const ToolbarButton& button : model.Buttons) {
        QAction* action = addAction(ToolbarIcon(button.Key, *this), QString::fromStdU16String(button.Key));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [action, press, key = button.Key](bool checked) {
            action->setChecked(!checked);
            press(key);
        });
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
