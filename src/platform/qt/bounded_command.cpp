#include "platform/qt/bounded_command.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

extern char** environ;

namespace orvik {

namespace {

using Clock = std::chrono::steady_clock;

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

pid_t Spawn(const std::vector<std::string>& command, int output) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// The program's status once it has ended; one that closed its output but
// lingers past the deadline is ended.
int WaitFor(pid_t pid, Clock::time_point deadline) {
    int status = 0;
    while (true) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid || (ended < 0 && errno != EINTR)) return status;
        if (Clock::now() >= deadline) break;
        ::usleep(1000);
    }
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return -1;
}

enum class Reading { kMore, kEnded, kCut };

// One poll and read of the output until the deadline.
Reading ReadSome(int fd, std::size_t limit, Clock::time_point deadline, std::string& bytes) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return Reading::kCut;
    pollfd ready{fd, POLLIN, 0};
    const int polled = ::poll(&ready, 1, static_cast<int>(left));
    if (polled < 0) return errno == EINTR ? Reading::kMore : Reading::kEnded;
    if (polled == 0) return Reading::kCut;
    std::array<char, 64 * 1024> chunk{};
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0) return errno == EINTR || errno == EAGAIN ? Reading::kMore : Reading::kEnded;
    if (got == 0) return Reading::kEnded;
    const std::size_t room = limit - bytes.size();
    bytes.append(chunk.data(), std::min(room, static_cast<std::size_t>(got)));
    return static_cast<std::size_t>(got) > room ? Reading::kCut : Reading::kMore;
}

}  // namespace

CommandOutput RunBounded(const std::vector<std::string>& command, std::size_t limit, Clock::time_point deadline) {
    CommandOutput output;
    if (command.empty()) return output;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return output;
    Fd readEnd(ends[0]);
    Fd writeEnd(ends[1]);
    const pid_t pid = Spawn(command, writeEnd.get());
    writeEnd.Close();
    if (pid < 0) return output;
    output.started = true;
    Reading reading = Reading::kMore;
    while (reading == Reading::kMore) reading = ReadSome(readEnd.get(), limit, deadline, output.bytes);
    output.cut = reading == Reading::kCut;
    readEnd.Close();
    const int status = WaitFor(pid, output.cut ? Clock::now() : deadline);
    output.finished = !output.cut && status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return output;
}

}  // namespace orvik
