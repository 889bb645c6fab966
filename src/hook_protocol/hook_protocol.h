// The messages between the program and the key hook inside the input-method
// framework, over a Unix socket in the user's runtime directory. One message
// is one line of ASCII words ended by "\n"; numbers are decimal.
//
// The hook (the listening end) says:
//   hello VERSION                   on every new connection
//   focus WINDOW OWN KEYS PROGRAM   the focused input context changed
//                                   (WINDOW 0: none; OWN 1: one of the
//                                   program's own; KEYS 0: its toolkit drops
//                                   the key strokes the hook sends it, so
//                                   only text reaches it; PROGRAM its
//                                   program name)
//   keyup SEQ WINDOW CODE SHIFT     a key event for WINDOW, as NhanDien routed it
//   gaveback SEQ                    key SEQ went to its application unanswered
// The program says:
//   register TARGET OWNER           NhanDien
//   hook / unhook                   the keyboard hook installed or removed
//   char SEQ WINDOW UNIT            a WM_CHAR of one UTF-16 unit for WINDOW
//   keybd SEQ VK SCAN FLAGS         a synthesized key stroke (keybd_event)
//   pass SEQ                        key SEQ is the application's: give it on as typed
//   word PENDING                    PENDING 1: the candidate window holds a
//                                   typed word, which a key that ends words
//                                   (Enter, Tab, a symbol) sends first
//   done SEQ                        key event SEQ has been handled
// SEQ numbers the hook's key events from 1; what the program sends while
// handling one carries its number, anything else carries 0.
//
// The protocol knows nothing of the input-method framework or of Qt: the
// hook and the program both compile it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvik::hook {

using Handle = std::uint32_t;  // a window of the program or an input context
using Seq = std::uint32_t;

inline constexpr int kVersion = 2;
// The longest line, its "\n" included; longer ones are dropped.
inline constexpr std::size_t kMaxLineBytes = 256;
// The longest program name a focus message carries, in bytes.
inline constexpr std::size_t kMaxProgramBytes = 64;
// Input contexts are named by handles from here up, clear of the program's
// own window handles.
inline constexpr Handle kFirstInputContext = 0x10000;
// How long the program may say nothing before the hook gives the keys still
// waiting back to their application: long enough for a busy machine or a
// slow page (the keys typed meanwhile wait behind it, in order), short
// enough that a hung program holds the typing up once, briefly. (While the
// program holds text for the application, the hook waits longer.)
inline constexpr int kAnswerWaitMs = 1000;
// The program's name as input contexts report it.
inline constexpr std::string_view kProgramName = "orvik2004";

struct Hello {
    int version = kVersion;
    bool operator==(const Hello&) const = default;
};
struct Focus {
    Handle window = 0;
    bool own = false;
    std::string program;
    bool takesKeys = true;
    bool operator==(const Focus&) const = default;
};
struct KeyUp {
    Seq seq = 0;
    Handle window = 0;
    std::int16_t code = 0;
    std::int16_t shift = 0;
    bool operator==(const KeyUp&) const = default;
};
struct Register {
    Handle target = 0;
    Handle owner = 0;
    bool operator==(const Register&) const = default;
};
struct Hook {
    bool operator==(const Hook&) const = default;
};
struct Unhook {
    bool operator==(const Unhook&) const = default;
};
struct Char {
    Seq seq = 0;
    Handle window = 0;
    std::uint16_t unit = 0;
    bool operator==(const Char&) const = default;
};
struct Keybd {
    Seq seq = 0;
    std::uint8_t vk = 0;
    std::uint8_t scan = 0;
    std::uint32_t flags = 0;
    bool operator==(const Keybd&) const = default;
};
struct Pass {
    Seq seq = 0;
    bool operator==(const Pass&) const = default;
};
struct Word {
    bool pending = false;
    bool operator==(const Word&) const = default;
};
struct GaveBack {
    Seq seq = 0;
    bool operator==(const GaveBack&) const = default;
};
struct Done {
    Seq seq = 0;
    bool operator==(const Done&) const = default;
};

using Message = std::variant<Hello, Focus, KeyUp, GaveBack, Register, Hook, Unhook, Char, Keybd, Pass, Word, Done>;

// The line of a message, "\n" included. A focus message's program name is
// cut to kMaxProgramBytes at a character boundary and its control characters
// become "?".
std::string Encode(const Message& message);
// The same line without its "\n", as the other end reads it and a log shows
// it.
std::string LineOf(const Message& message);

// The message of one line (without its "\n"); nothing when the line is not
// exactly one well-formed message.
std::optional<Message> Parse(std::string_view line);

// Cuts a byte stream into lines. A line longer than kMaxLineBytes is dropped
// up to its end and reported once.
class LineReader {
public:
    using LineHandler = std::function<void(std::string_view line)>;
    using OversizeHandler = std::function<void()>;

    void Feed(std::string_view bytes, const LineHandler& onLine, const OversizeHandler& onOversize);

private:
    std::string pending_;
    bool skipping_ = false;  // inside an oversized line, up to its "\n"
};

// Where a key event goes: command codes (above 255) to the owner, the main
// window; other keys to the registered target, or nowhere while there is
// none. 0 is nowhere.
Handle KeyDestination(Handle target, Handle owner, std::int16_t code);

// The socket's path: $ORVIK_HOOK_SOCKET when set, else "orvik2004/hook" in
// $XDG_RUNTIME_DIR, else "/tmp/orvik2004-UID/hook".
std::string SocketPath();

}  // namespace orvik::hook
