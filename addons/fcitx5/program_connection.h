// The hook's end of the connection to orvik2004: listens at the socket,
// accepts one process at a time, of this user and running a trusted
// orvik2004 executable (a connection while one is live is refused, so no
// other program can take its place), cuts what the program writes into
// messages and writes the hook's messages without ever blocking the
// input-method daemon. A flood of refused connections pauses the accepting
// for a moment, and its log lines are limited.
#pragma once

#include <fcitx-utils/event.h>
#include <fcitx-utils/unixfd.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "listening_socket.h"
#include "log_limit.h"
#include "hook_protocol/hook_protocol.h"

namespace orvik::fcitxhook {

class ProgramConnection {
public:
    struct Handlers {
        std::function<void()> connected;
        std::function<void(const hook::Message&)> message;
        std::function<void()> disconnected;
        std::function<void()> read;  // all that had arrived was handled
    };

    // Listens at `path`; when it cannot, says why in the log and stays
    // without a connection.
    ProgramConnection(fcitx::EventLoop& loop, std::string path, std::vector<std::string> trustedPrograms,
                      Handlers handlers);
    // Closes without calling the handlers and removes the socket.
    ~ProgramConnection();
    ProgramConnection(const ProgramConnection&) = delete;
    ProgramConnection& operator=(const ProgramConnection&) = delete;

    bool Connected() const { return peer_.isValid(); }
    // Writes `message` to the program, if connected. A program that stops
    // reading is disconnected.
    void Send(const hook::Message& message);

private:
    void Accept();
    // Closes a connection not taken, counting it against the flood limit.
    void Refuse(std::string_view why);
    void PauseAccepting();
    bool OnPeerEvent(fcitx::IOEventFlags flags);
    void Read();
    void Feed(std::string_view bytes);
    void Flush();
    void Disconnect(std::string_view why);
    void Close();

    fcitx::EventLoop& loop_;
    std::string path_;
    std::vector<std::string> trustedPrograms_;
    Handlers handlers_;
    LogLimit refusalLog_{5};
    LogLimit malformedLog_{5};
    std::uint64_t refusalWindowUs_ = 0;
    int refusalsInWindow_ = 0;
    std::unique_ptr<fcitx::EventSourceTime> resumeAccepting_;
    fcitx::UnixFD listening_;
    SocketFile socketFile_;
    std::unique_ptr<fcitx::EventSourceIO> listeningEvent_;
    fcitx::UnixFD peer_;
    std::unique_ptr<fcitx::EventSourceIO> peerEvent_;
    // The event of a connection closed from inside its own callback, kept
    // until that callback has surely returned.
    std::unique_ptr<fcitx::EventSourceIO> closedEvent_;
    hook::LineReader reader_;
    std::string unsent_;
};

}  // namespace orvik::fcitxhook
