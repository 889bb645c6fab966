// Control positions are kept in twips, 1440 to the inch; on screen an inch
// is the screen's logical DPI in pixels.
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

#include "platform/controls.h"

namespace orvik {

inline int TwipsToPixels(int twips, double dotsPerInch) { return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0)); }

inline int PixelsToTwips(int pixels, double dotsPerInch) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dotsPerInch));
}

inline QRect TwipsToPixels(const TwipRect& rect, const QWidget& onScreen) {
    const double x = onScreen.logicalDpiX(), y = onScreen.logicalDpiY();
    return {TwipsToPixels(rect.Left, x), TwipsToPixels(rect.Top, y), TwipsToPixels(rect.Width, x),
            TwipsToPixels(rect.Height, y)};
}

}  // namespace orvik
