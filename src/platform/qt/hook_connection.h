// The program's end of the connection to the key hook inside the
// input-method framework: a local socket, one message per line. It hands
// the hook's key events and focus changes to its handlers and sends the
// program's messages; a damaged or unexpected line is dropped with one line
// on the error stream.
#pragma once

#include <QLocalSocket>
#include <QObject>
#include <functional>
#include <string>

#include "hook_protocol/hook_protocol.h"

namespace orvik {

class HookConnection : public QObject {
public:
    struct Handlers {
        std::function<void(const hook::KeyUp&)> key;
        std::function<void(const hook::Focus&)> focus;
        std::function<void(const hook::GaveBack&)> gaveBack;
        std::function<void()> lost;  // the hook went away
    };

    explicit HookConnection(Handlers handlers);

    // Connects to the hook at its socket; false when no hook answers.
    bool Open();
    void Close();
    bool IsOpen() const;
    // Sends a message at once (a key the program synthesizes must reach the
    // hook before the program goes on waiting).
    void Send(const hook::Message& message);

    const std::string& Path() const { return path_; }

private:
    void ReadLines();
    void Handle(std::string_view line);

    Handlers handlers_;
    std::string path_;
    QLocalSocket socket_;
    hook::LineReader reader_;
};

}  // namespace orvik
