// Where a floating window goes on the screen: the quick-view popup opens
// beside the mouse pointer, where the user's eyes are, and never reaches
// past the edges of the screen it is on.
#pragma once

#include <QRect>

namespace orvik {

// The window's frame moved below and right of the pointer, kept on screen.
QRect BesidePointer(const QRect& frame);

// The frame moved (and cut, if larger than the screen) so that it lies
// within the available area of the screen holding its centre.
QRect KeptOnScreen(const QRect& frame);

}  // namespace orvik
