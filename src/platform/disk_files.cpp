#include "platform/disk_files.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvik {

FileBytes ReadDiskFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {false, "file not found", {}};
    if (!std::filesystem::is_regular_file(path, error)) return {false, "not a regular file", {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {false, std::strerror(errno), {}};
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {false, "read error", {}};
    return {true, {}, std::move(bytes)};
}

bool WriteDiskFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// renameat2 with RENAME_NOREPLACE refuses an existing target in one step;
// file systems without it get a test before the rename.
bool RenameDiskFile(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL) return false;
    std::error_code error;
    if (std::filesystem::exists(to, error) || !std::filesystem::exists(from, error)) return false;
    std::filesystem::rename(from, to, error);
    return !error;
}

// A link is removed itself, even when what it points to is gone; a folder
// is no file to delete.
bool DeleteDiskFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !(std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status))) return false;
    return std::filesystem::remove(path, error);
}

}  // namespace orvik
