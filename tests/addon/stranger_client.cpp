// A program of the same user that is not orvik2004: connects to the hook's
// socket COUNT times (default 1) and reports whether the hook closed every
// connection without a word.
//
// usage: hook_stranger_client SOCKET [COUNT]
// exit: 0 every connection closed unanswered; 1 one was greeted or left
// open; 2 cannot connect.
#include <cstdlib>
#include <stdexcept>

#include "fake_program.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const long count = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1;
    for (long i = 0; i < count; ++i) {
        orvik::fcitxhook::testing::FakeProgram stranger(argv[1]);
        if (!stranger.Connected()) return 2;
        try {
            stranger.Send("hello\nregister 1 2\nhook\n");
        } catch (const std::runtime_error&) {  // closed before it could speak
        }
        if (stranger.ReadLine(std::chrono::seconds(5)) || !stranger.ClosedByHook()) return 1;
    }
    return 0;
}
