// Reading and writing whole files on the local disk, for the platform
// implementations that work on real files.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace orvik {

// A missing, unreadable or non-regular file (a FIFO, a folder) gives !ok
// with the reason; nothing waits on a FIFO.
FileBytes ReadDiskFile(const std::string& path);
// Replaces whatever file or link is at `path` by a regular file holding
// `bytes`, in one rename: nothing is written through a link or into a FIFO,
// and a failed write leaves the old file as it was. False for a folder.
bool WriteDiskFile(const std::string& path, std::string_view bytes);
// A rename never replaces a file: false when the source is missing or the
// target exists.
bool RenameDiskFile(const std::string& from, const std::string& to);
bool DeleteDiskFile(const std::string& path);

}  // namespace orvik
