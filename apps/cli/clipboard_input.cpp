#include "clipboard_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace orvik::cli {

namespace {

std::string ReadAtMost(std::istream& in, std::size_t limit) {
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

// A file is read only when it is a regular one: a folder would read as
// nothing and a FIFO would wait for a writer (it is opened without
// waiting, then read as the file it is).
std::optional<std::string> ReadClipboardInput(const std::string& input, std::istream& in, std::size_t limit,
                                              std::ostream& err) {
    if (input == "-") return ReadAtMost(in, limit);
    const int fd = open(input.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat status {};
    const bool regular = fd >= 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (!regular) {
        err << "orvik: cannot read " << input << ": " << (fd < 0 ? std::strerror(errno) : "not a regular file") << '\n';
        if (fd >= 0) close(fd);
        return std::nullopt;
    }
    std::string bytes(limit, '\0');
    std::size_t size = 0;
    while (size < limit) {
        const ssize_t count = read(fd, bytes.data() + size, limit - size);
        if (count <= 0) break;
        size += static_cast<std::size_t>(count);
    }
    close(fd);
    bytes.resize(size);
    return bytes;
}

}  // namespace orvik::cli
