// orvik2004's end of the hook's socket, for tests: a blocking client that
// writes lines and reads the hook's lines, every wait bounded.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace orvik::fcitxhook::testing {

class FakeProgram {
public:
    // Connects to the socket at `path`; Connected() says whether it could.
    explicit FakeProgram(const std::string& path);
    ~FakeProgram();
    FakeProgram(const FakeProgram&) = delete;
    FakeProgram& operator=(const FakeProgram&) = delete;

    bool Connected() const { return fd_ >= 0; }
    // Writes `bytes` as they are: whole lines, parts of lines, anything.
    void Send(std::string_view bytes);
    // The next line the hook wrote, without its "\n"; nothing when none
    // comes within the bound or the hook closed the connection.
    std::optional<std::string> ReadLine(std::chrono::milliseconds bound = std::chrono::seconds(2));
    // Whether the hook closes the connection within the bound, reading past
    // any lines it wrote first.
    bool ClosedByHook(std::chrono::milliseconds bound = std::chrono::seconds(2));
    void Close();

private:
    // Reads once more into the buffer; false on end of stream, error or
    // nothing until `deadline`.
    bool Fill(std::chrono::steady_clock::time_point deadline);

    int fd_ = -1;
    std::string buffer_;
};

}  // namespace orvik::fcitxhook::testing
