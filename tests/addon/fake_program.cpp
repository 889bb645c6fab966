#include "fake_program.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace orvik::fcitxhook::testing {

FakeProgram::FakeProgram(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) throw std::invalid_argument("socket path too long");
    path.copy(address.sun_path, path.size());
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ >= 0 && connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) Close();
}

FakeProgram::~FakeProgram() { Close(); }

void FakeProgram::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (written <= 0) throw std::runtime_error("the hook's socket refused a write");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::optional<std::string> FakeProgram::ReadLine(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    std::size_t end;
    while ((end = buffer_.find('\n')) == std::string::npos)
        if (!Fill(deadline)) return std::nullopt;
    std::string line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    return line;
}

bool FakeProgram::ClosedByHook(std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (Fill(deadline)) buffer_.clear();
    if (fd_ < 0) return true;
    char byte;
    const ssize_t count = recv(fd_, &byte, 1, MSG_DONTWAIT);
    // A socket closed with lines of ours unread is reset.
    return count == 0 || (count < 0 && errno == ECONNRESET);
}

void FakeProgram::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

bool FakeProgram::Fill(std::chrono::steady_clock::time_point deadline) {
    if (fd_ < 0) return false;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    pollfd readable{fd_, POLLIN, 0};
    if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) return false;
    char chunk[4096];
    const ssize_t count = recv(fd_, chunk, sizeof(chunk), 0);
    if (count <= 0) return false;
    buffer_.append(chunk, static_cast<std::size_t>(count));
    return true;
}

}  // namespace orvik::fcitxhook::testing
