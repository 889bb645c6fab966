// Reads what another program offers on the Wayland clipboard (or the
// primary selection) through wl-paste, bounded in size and in time as the
// X11 read is. Qt's own read takes the whole content on the GUI thread,
// and a program without the keyboard focus is given no content at all;
// wl-paste reads through the compositor's data-control protocol (wlroots
// compositors, KDE) without the focus.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "platform/qt/selection_read.h"

namespace orvik {

enum class WaylandSelection { kClipboard, kPrimary };

// The first of `wanted` (MIME types) the owner offers, read with the
// program `wlPaste` (wl-paste, or a stand-in in tests). Not ok when the
// program cannot be run, nothing is offered, none of the types is, or the
// offer is not listed in time.
SelectionRead ReadWaylandSelection(WaylandSelection selection, const std::vector<std::string>& wanted,
                                   std::size_t limit, std::chrono::milliseconds patience,
                                   const std::string& wlPaste = "wl-paste");

}  // namespace orvik
