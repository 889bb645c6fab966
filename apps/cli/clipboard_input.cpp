#include "clipboard_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
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
// nothing and a FIFO would wait for a writer.
std::optional<std::string> ReadClipboardInput(const std::string& input, std::istream& in, std::size_t limit,
                                              std::ostream& err) {
    if (input == "-") return ReadAtMost(in, limit);
    const int fd = open(input.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    struct stat status {};
    const bool regular = fd >= 0 && fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const std::string why = fd < 0 ? std::strerror(errno) : "not a regular file";
    if (fd >= 0) close(fd);
    if (!regular) {
        err << "orvik: cannot read " << input << ": " << why << '\n';
        return std::nullopt;
    }
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        err << "orvik: cannot read " << input << '\n';
        return std::nullopt;
    }
    return ReadAtMost(file, limit);
}

}  // namespace orvik::cli
