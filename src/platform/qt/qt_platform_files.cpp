// Renaming and deleting files, never replacing one.
#include "platform/disk_files.h"
#include "platform/qt/qt_platform.h"

namespace orvik {

bool QtPlatform::RenameFile(const std::string& from, const std::string& to) {
    return RenameDiskFile(from, to);
}

bool QtPlatform::DeleteFile(const std::string& path) { return DeleteDiskFile(path); }

}  // namespace orvik
