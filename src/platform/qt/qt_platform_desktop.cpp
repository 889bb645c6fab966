// What the program asks of other programs on the desktop, and its log. On
// this desktop the program adds no font to the desktop's fonts, and other
// applications follow font changes by themselves: there is nothing to
// reach, and the log tells what was skipped.
#include <iostream>

#include "platform/qt/qt_platform.h"

namespace orvik {

std::int32_t QtPlatform::SendMessageA(WindowHandle window, std::uint32_t message, std::uint32_t, std::int32_t) {
    if (window == kHwndBroadcast && message == kWmFontChange)
        LogLine("the font change needs no announcement on this desktop");
    return 0;
}

std::int32_t QtPlatform::RemoveFontResourceA(std::string_view fontFile) {
    LogLine("no font to remove: " + std::string(fontFile) + " was never added to this desktop's fonts");
    return 0;
}

void QtPlatform::LogLine(std::string_view line) { std::cerr << "orvik2004: " << line << '\n'; }

}  // namespace orvik
