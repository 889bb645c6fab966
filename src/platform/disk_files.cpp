#include "platform/disk_files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace orvik {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, saying whether the last of the writes reached the disk.
    bool Close() { return close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// A name beside `path` that no other writer of this process or another one
// uses at the same time.
std::string TemporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".orvik-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

}  // namespace

// Opened without blocking, so a FIFO at the name neither hangs the program
// nor is read; only a regular file (a link to one included) is.
FileBytes ReadDiskFile(const std::string& path) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0) return {false, errno == ENOENT ? "file not found" : std::strerror(errno), {}};
    struct stat status {};
    if (fstat(file.get(), &status) != 0) return {false, std::strerror(errno), {}};
    if (!S_ISREG(status.st_mode)) return {false, "not a regular file", {}};
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return {false, "read error: " + std::string(std::strerror(errno)), {}};
        if (count == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return {true, {}, std::move(bytes)};
}

// Written by replacing: the bytes go to a new file beside the name, which is
// then renamed over it. A link at the name is replaced, never written
// through (it may point into the data folder or anywhere else); a FIFO or a
// device there is never opened; and a write that fails (a full disk) leaves
// the old file whole.
bool WriteDiskFile(const std::string& path, std::string_view bytes) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) return false;
    const std::string temporary = TemporaryNameBeside(path);
    Descriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (file.get() < 0) return false;
    const bool written = WriteAll(file.get(), bytes) && file.Close();
    if (written && rename(temporary.c_str(), path.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
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
