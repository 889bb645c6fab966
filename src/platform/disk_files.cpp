#include "platform/disk_files.h"

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

}  // namespace orvik
