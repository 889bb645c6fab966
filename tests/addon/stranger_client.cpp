// A program of the same user that is not orvik2004: connects to the hook's
// socket COUNT times (default 1) and reports whether the hook closed every
// connection without a word.
//
// usage: hook_stranger_client SOCKET [COUNT]
// exit: 0 every connection closed unanswered; 1 one was greeted or left
// open; 2 cannot connect.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kBoundMs = 5000;

int ConnectTo(const char* path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path, sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0) return fd;
    if (fd >= 0) close(fd);
    return -1;
}

bool ClosedUnanswered(int fd) {
    const std::string hello = "hello\nregister 1 2\nhook\n";
    if (send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) < 0) return true;  // closed before it could speak
    pollfd readable{fd, POLLIN, 0};
    char byte;
    return poll(&readable, 1, kBoundMs) == 1 && read(fd, &byte, 1) <= 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1;
    for (long i = 0; i < count; ++i) {
        const int fd = ConnectTo(argv[1]);
        if (fd < 0) return 2;
        const bool closed = ClosedUnanswered(fd);
        close(fd);
        if (!closed) return 1;
    }
    return 0;
}
