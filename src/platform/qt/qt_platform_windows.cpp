// The program's own windows, as the window views registered them. Windows
// without a view yet only remember whether they are shown, and the keys
// sent to their focused control.
#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>
#include <QWindow>

#include "platform/qt/key_string.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/screen_placement.h"

namespace orvik {

QWidget* QtPlatform::Widget(WindowId window) const {
    const auto found = windows_.find(window);
    return found == windows_.end() ? nullptr : found->second.widget.data();
}

bool QtPlatform::OwnsHandle(WindowHandle window) const {
    return window >= kOwnWindows && window <= kOwnWindows + static_cast<WindowHandle>(WindowId::QXAbout);
}

WindowHandle QtPlatform::ActiveOwnWindow() const {
    const QWidget* active = QApplication::activeWindow();
    for (const auto& [id, entry] : windows_)
        if (entry.widget && entry.widget == active) return kOwnWindows + static_cast<WindowHandle>(id);
    return kOwnWindows + static_cast<WindowHandle>(WindowId::OrvikU);
}

// While the hook brings the keys typed elsewhere, the floating windows must
// not take the focus from the application the user types in; without it the
// user types into them and they must take it. The popup shows a look-up of
// another application's selection, so it never takes the focus by showing,
// though a click still gives it the focus.
void QtPlatform::ShowWindow(WindowId window) {
    QWidget* widget = Widget(window);
    if (!widget) {
        shownWithoutView_.insert(window);
        return;
    }
    const bool floating = window == WindowId::HVTNP || window == WindowId::WPopup;
    if (floating && !widget->isVisible()) {
        const bool keepFocusAway = HookConnected();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, keepFocusAway || window == WindowId::WPopup);
        widget->setWindowFlag(Qt::WindowDoesNotAcceptFocus, keepFocusAway);
    }
    if (window == WindowId::WPopup && !widget->isVisible()) widget->move(BesidePointer(widget->frameGeometry()).topLeft());
    if (!widget->isVisible()) Redraw(window);
    widget->show();
    widget->raise();
    ScheduleRedraw();
}

void QtPlatform::HideWindow(WindowId window) {
    shownWithoutView_.erase(window);
    if (QWidget* widget = Widget(window)) widget->hide();
}

bool QtPlatform::WindowVisible(WindowId window) {
    const QWidget* widget = Widget(window);
    return widget ? widget->isVisible() : shownWithoutView_.count(window) != 0;
}

void QtPlatform::MinimizeWindow(WindowId window) {
    if (QWidget* widget = Widget(window)) widget->showMinimized();
}

void QtPlatform::MaximizeWindow(WindowId window) {
    if (QWidget* widget = Widget(window)) widget->showMaximized();
}

void QtPlatform::RestoreWindow(WindowId window) {
    if (QWidget* widget = Widget(window)) widget->showNormal();
}

namespace {

// A one-line box of this desktop goes to its start or end on Home or End;
// with Ctrl, as the system sends them, it would not move.
Qt::KeyboardModifiers ModifiersFor(const QWidget& target, const KeyStroke& stroke) {
    const bool lineEnd = stroke.key == Qt::Key_End || stroke.key == Qt::Key_Home;
    if (lineEnd && qobject_cast<const QLineEdit*>(&target)) return stroke.modifiers & ~Qt::ControlModifier;
    return stroke.modifiers;
}

}  // namespace

// Sent events are handled before they return: the wait is in the sending.
void QtPlatform::SendKeys(std::u16string_view keys) {
    RedrawAll();
    for (const KeyStroke& stroke : ParseKeyString(keys)) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) return;
        const Qt::KeyboardModifiers modifiers = ModifiersFor(*focused, stroke);
        QKeyEvent press(QEvent::KeyPress, stroke.key, modifiers, stroke.text);
        QKeyEvent release(QEvent::KeyRelease, stroke.key, modifiers, stroke.text);
        QApplication::sendEvent(focused, &press);
        QApplication::sendEvent(focused, &release);
    }
}

// The window is painted now, not when the thread next waits for events.
void QtPlatform::RefreshWindow(WindowId window) {
    const auto found = windows_.find(window);
    if (found == windows_.end() || !found->second.widget) return;
    if (found->second.redraw) found->second.redraw();
    found->second.widget->repaint();
}

void QtPlatform::SetWindowHeight(WindowId window, std::int32_t twips) {
    QWidget* widget = Widget(window);
    if (!widget) return;
    constexpr int kTwipsPerInch = 1440;
    const int frame = widget->frameGeometry().height() - widget->height();
    widget->resize(widget->width(), std::max(1, twips * widget->logicalDpiY() / kTwipsPerInch - frame));
    widget->move(KeptOnScreen(widget->frameGeometry()).topLeft());
}

void QtPlatform::SetTopmost(WindowId window) {
    QWidget* widget = Widget(window);
    if (!widget || widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    // Changing a window's flags hides it.
    const bool visible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) widget->show();
}

void QtPlatform::DragWindow(WindowId window) {
    QWidget* widget = Widget(window);
    if (widget && widget->windowHandle()) widget->windowHandle()->startSystemMove();
}

void QtPlatform::UnloadWindow(WindowId window) { HideWindow(window); }

void QtPlatform::FocusControl(std::string_view control) {
    const auto found = controls_.find(control);
    if (found != controls_.end() && found->second) found->second->setFocus();
}

void QtPlatform::ShowPopupMenu(WindowId owner) {
    const auto found = popupMenus_.find(owner);
    if (found != popupMenus_.end() && found->second) found->second();
}

}  // namespace orvik
