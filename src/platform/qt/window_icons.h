// The icons of the program's own windows, drawn in code: a coloured rounded
// square with one character, as the tray and the title bars show them.
#pragma once

#include <QIcon>

#include "platform/platform.h"

namespace orvik {

// A distinct nonzero handle per window.
IconHandle WindowIconHandle(WindowId window);

// The icon a handle stands for; a handle that names none of the program's
// windows gets a plain icon, so a tray icon is never left without a picture.
QIcon WindowIconOf(IconHandle handle);

}  // namespace orvik
