// Reads what another program offers on an X selection (CLIPBOARD or
// PRIMARY) through a connection of its own, bounded in size and in time:
// Qt's own read takes all of it, however large, and waits for it on the
// GUI thread (50 MB of RTF froze the program for a minute and grew it by
// 189 MB when fcitx5's clipboard addon served it). At most `limit` bytes
// are fetched; a larger offer, or one not handed over within `patience`,
// reads as cut.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/selection_read.h"

namespace orvik {

// The first of `wanted` (MIME types or X target names) the owner of
// `selection` offers, read. Not ok when there is no X display, no owner,
// none of the targets, or no answer in time.
SelectionRead ReadX11Selection(std::string_view selection, const std::vector<std::string>& wanted, std::size_t limit,
                               std::chrono::milliseconds patience);

}  // namespace orvik
