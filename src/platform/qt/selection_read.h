// What a bounded read of another program's selection gave: the X11 read
// (x11_selection.h) and the Wayland one (wayland_selection.h) answer alike.
#pragma once

#include <string>

namespace orvik {

struct SelectionRead {
    bool ok = false;       // a target was read (cut or whole)
    std::string target;    // the one read, from the wanted list
    std::string bytes;     // at most the limit
    bool cut = false;      // the owner had more, or was too slow to give it all
};

}  // namespace orvik
