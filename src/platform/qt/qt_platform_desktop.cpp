// The program's log: standard error, where the desktop session keeps it.
#include <iostream>

#include "platform/qt/qt_platform.h"

namespace orvik {

void QtPlatform::LogLine(std::string_view line) { std::cerr << "orvik2004: " << line << '\n'; }

}  // namespace orvik
