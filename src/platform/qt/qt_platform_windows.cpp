// The program's own windows, as the window views registered them. Windows
// without a view yet (the main window) only remember whether they are shown.
#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "platform/qt/qt_platform.h"

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
// user types into them and they must take it.
void QtPlatform::ShowWindow(WindowId window) {
    QWidget* widget = Widget(window);
    if (!widget) {
        shownWithoutView_.insert(window);
        return;
    }
    const bool floating = window == WindowId::HVTNP || window == WindowId::WPopup;
    if (floating && !widget->isVisible()) {
        const bool keepFocusAway = HookConnected();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, keepFocusAway);
        widget->setWindowFlag(Qt::WindowDoesNotAcceptFocus, keepFocusAway);
    }
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

void QtPlatform::UnloadWindow(WindowId window) {
    HideWindow(window);
    if (unloadHandler_) unloadHandler_(window);
}

void QtPlatform::FocusControl(std::string_view control) {
    const auto found = controls_.find(control);
    if (found != controls_.end() && found->second) found->second->setFocus();
}

void QtPlatform::ShowPopupMenu(WindowId owner) {
    const auto found = popupMenus_.find(owner);
    if (found != popupMenus_.end() && found->second) found->second();
}

}  // namespace orvik
