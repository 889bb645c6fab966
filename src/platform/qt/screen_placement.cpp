#include "platform/qt/screen_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace orvik {

namespace {

// Far enough from the pointer not to cover the word just selected.
constexpr int kPointerGap = 16;

QRect AvailableAround(const QPoint& point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

QRect BesidePointer(const QRect& frame) {
    QRect placed = frame;
    placed.moveTopLeft(QCursor::pos() + QPoint(kPointerGap, kPointerGap));
    return KeptOnScreen(placed);
}

QRect KeptOnScreen(const QRect& frame) {
    const QRect area = AvailableAround(frame.center());
    if (area.isEmpty()) return frame;
    QRect kept(frame.topLeft(), frame.size().boundedTo(area.size()));
    kept.moveLeft(std::clamp(kept.left(), area.left(), area.right() - kept.width() + 1));
    kept.moveTop(std::clamp(kept.top(), area.top(), area.bottom() - kept.height() + 1));
    return kept;
}

}  // namespace orvik
