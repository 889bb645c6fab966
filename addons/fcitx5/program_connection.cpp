#include "program_connection.h"

#include <fcitx-utils/log.h>
#include <sys/socket.h>
#include <unistd.h>

#include "trusted_peer.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace orvik::fcitxhook {

namespace {

using fcitx::IOEventFlag;
using fcitx::IOEventFlags;

// A program that leaves this much unread has stopped reading.
constexpr std::size_t kMaxUnsentBytes = std::size_t{64} * 1024;
constexpr std::size_t kReadChunk = 4096;

// The verbs a line may start with; a malformed line is logged by its verb
// when it has one of these, never by its words.
constexpr std::array<std::string_view, 11> kVerbs{"hello", "focus", "keyup", "register", "hook", "unhook",
                                                  "char",  "keybd", "pass",  "word",     "done"};

// The verb of a malformed line, when it has a known one; never its words.
std::string_view KnownVerbOf(std::string_view line) {
    const std::string_view first = line.substr(0, line.find(' '));
    for (std::string_view verb : kVerbs)
        if (verb == first) return verb;
    return {};
}

// Past this many refused connections in a second, the hook stops accepting
// for a moment: a same-user client in a connect loop cost fcitx5 16 s of
// CPU in 30 s.
constexpr int kMostRefusalsPerSecond = 50;
constexpr std::uint64_t kAcceptPauseUs = 250'000;

std::uint64_t NowUs() { return fcitx::now(CLOCK_MONOTONIC); }

bool WouldBlock() { return errno == EAGAIN || errno == EWOULDBLOCK; }

}  // namespace

ProgramConnection::ProgramConnection(fcitx::EventLoop& loop, std::string path,
                                     std::vector<std::string> trustedPrograms, Handlers handlers)
    : loop_(loop), path_(std::move(path)), trustedPrograms_(std::move(trustedPrograms)), handlers_(std::move(handlers)) {
    Listening listening = ListenAt(path_);
    if (!listening.fd.isValid()) {
        FCITX_ERROR() << "orvikhook: not listening, so keys stay with the applications: " << listening.error;
        return;
    }
    listening_ = std::move(listening.fd);
    socketFile_ = listening.file;
    listeningEvent_ =
        loop_.addIOEvent(listening_.fd(), IOEventFlag::In, [this](fcitx::EventSourceIO*, int, IOEventFlags) {
            Accept();
            return true;
        });
    FCITX_INFO() << "orvikhook: listening at " << path_;
}

ProgramConnection::~ProgramConnection() {
    Close();
    if (!listening_.isValid()) return;
    listeningEvent_.reset();
    listening_.reset();
    RemoveSocketFile(path_, socketFile_);
}

void ProgramConnection::Send(const hook::Message& message) {
    if (!Connected()) return;
    unsent_ += hook::Encode(message);
    if (unsent_.size() > kMaxUnsentBytes) return Disconnect("it stopped reading (64 KiB unread)");
    Flush();
}

void ProgramConnection::Accept() {
    closedEvent_.reset();
    fcitx::UnixFD fd = fcitx::UnixFD::own(accept4(listening_.fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (!fd.isValid()) {
        if (!WouldBlock() && errno != EINTR) FCITX_WARN() << "orvikhook: accept failed: " << std::strerror(errno);
        return;
    }
    ucred peer{};
    socklen_t size = sizeof(peer);
    if (getsockopt(fd.fd(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != getuid())
        return Refuse("a process of another user");
    if (Connected()) return Refuse("a second process while orvik2004 is connected");
    const std::string executable = ExecutableOf(peer.pid);
    if (!IsTrusted(executable, trustedPrograms_))
        return Refuse("'" + (executable.empty() ? std::string("an unknown program") : executable) +
                      "', which is not orvik2004");
    peer_ = std::move(fd);
    reader_ = hook::LineReader();
    unsent_.clear();
    peerEvent_ = loop_.addIOEvent(peer_.fd(), IOEventFlag::In, [this](fcitx::EventSourceIO*, int, IOEventFlags flags) {
        return OnPeerEvent(flags);
    });
    FCITX_INFO() << "orvikhook: orvik2004 connected";
    handlers_.connected();
}

void ProgramConnection::Refuse(std::string_view why) {
    if (std::string more; refusalLog_.Allow(NowUs(), more))
        FCITX_WARN() << "orvikhook: refused a connection from " << why << more;
    const std::uint64_t now = NowUs();
    if (now - refusalWindowUs_ >= 1'000'000) {
        refusalWindowUs_ = now;
        refusalsInWindow_ = 0;
    }
    if (++refusalsInWindow_ > kMostRefusalsPerSecond) PauseAccepting();
}

void ProgramConnection::PauseAccepting() {
    listeningEvent_->setEnabled(false);
    refusalsInWindow_ = 0;
    const auto resume = [this](fcitx::EventSourceTime*, std::uint64_t) {
        listeningEvent_->setEnabled(true);
        return true;
    };
    if (!resumeAccepting_) {
        resumeAccepting_ = loop_.addTimeEvent(CLOCK_MONOTONIC, NowUs() + kAcceptPauseUs, 1000, resume);
        return;
    }
    resumeAccepting_->setTime(NowUs() + kAcceptPauseUs);
    resumeAccepting_->setOneShot();
}

bool ProgramConnection::OnPeerEvent(IOEventFlags flags) {
    if (flags.test(IOEventFlag::Out)) Flush();
    if (Connected() && flags.testAny(IOEventFlags{IOEventFlag::In, IOEventFlag::Hup, IOEventFlag::Err})) Read();
    return true;
}

void ProgramConnection::Read() {
    std::array<char, kReadChunk> buffer;
    while (Connected()) {
        const ssize_t count = read(peer_.fd(), buffer.data(), buffer.size());
        if (count > 0) {
            Feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        } else if (count == 0) {
            Disconnect("it closed the connection");
        } else if (WouldBlock()) {
            if (handlers_.read) handlers_.read();
            return;
        } else if (errno != EINTR) {
            Disconnect(std::strerror(errno));
        }
    }
}

void ProgramConnection::Feed(std::string_view bytes) {
    reader_.Feed(
        bytes,
        [this](std::string_view line) {
            // Lines after a disconnection in the same chunk are not the
            // program's any more.
            if (!Connected()) return;
            if (const auto message = hook::Parse(line)) return handlers_.message(*message);
            std::string more;
            if (!malformedLog_.Allow(NowUs(), more)) return;
            if (const std::string_view verb = KnownVerbOf(line); !verb.empty())
                FCITX_WARN() << "orvikhook: dropped a malformed " << verb << " line from orvik2004" << more;
            else
                FCITX_WARN() << "orvikhook: dropped a line from orvik2004 that starts with no known verb" << more;
        },
        [this] {
            if (std::string more; malformedLog_.Allow(NowUs(), more))
                FCITX_WARN() << "orvikhook: dropped a line from orvik2004 longer than " << hook::kMaxLineBytes
                             << " bytes" << more;
        });
}

void ProgramConnection::Flush() {
    while (!unsent_.empty()) {
        const ssize_t count = send(peer_.fd(), unsent_.data(), unsent_.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0) {
            unsent_.erase(0, static_cast<std::size_t>(count));
        } else if (WouldBlock()) {
            break;
        } else if (errno != EINTR) {
            return Disconnect(std::strerror(errno));
        }
    }
    // Woken when the program can take more.
    const IOEventFlags wanted =
        unsent_.empty() ? IOEventFlags{IOEventFlag::In} : IOEventFlags{IOEventFlag::In, IOEventFlag::Out};
    if (peerEvent_->events() != wanted) peerEvent_->setEvents(wanted);
}

void ProgramConnection::Disconnect(std::string_view why) {
    FCITX_INFO() << "orvikhook: orvik2004 disconnected: " << why;
    Close();
    handlers_.disconnected();
}

void ProgramConnection::Close() {
    if (!Connected()) return;
    peerEvent_->setEnabled(false);
    closedEvent_ = std::move(peerEvent_);
    peer_.reset();
    unsent_.clear();
}

}  // namespace orvik::fcitxhook
