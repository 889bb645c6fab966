#include "hook_protocol/hook_protocol.h"

// GCC 12 warns of uninitialized members when an optional variant is moved
// out of these parsers under -O2 with the sanitizers; every path returns an
// initialized message or nothing.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <limits>
#include <vector>

#include "codes/desktop_codes.h"

namespace orvik::hook {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::string Words(std::initializer_list<std::string_view> words) {
    std::string line;
    for (std::string_view word : words) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line + '\n';
}

std::string Num(std::uint64_t n) { return std::to_string(n); }

// Control characters would break the line; a cut must not split a UTF-8
// sequence.
std::string CleanProgramName(std::string_view name) {
    std::string clean;
    for (char c : name) clean += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    if (clean.size() <= kMaxProgramBytes) return clean;
    std::size_t cut = kMaxProgramBytes;
    while (cut > 0 && (static_cast<unsigned char>(clean[cut]) & 0xC0) == 0x80) --cut;
    return clean.substr(0, cut);
}

// Splits off the first `count` words; the rest of the line stays in `rest`.
std::optional<std::vector<std::string_view>> SplitWords(std::string_view line, std::size_t count,
                                                        std::string_view* rest) {
    std::vector<std::string_view> words;
    while (words.size() < count) {
        const std::size_t space = line.find(' ');
        const std::string_view word = line.substr(0, space);
        if (word.empty()) return std::nullopt;
        words.push_back(word);
        if (space == std::string_view::npos) {
            line = {};
            if (words.size() < count) return std::nullopt;
            if (rest != nullptr) return std::nullopt;  // the rest needs its space
            break;
        }
        line.remove_prefix(space + 1);
        // A space after the last word starts a rest, which only a line
        // with a rest may have.
        if (words.size() == count && rest == nullptr) return std::nullopt;
    }
    if (rest != nullptr) *rest = line;
    return words;
}

template <class T>
std::optional<T> Number(std::string_view word, T max = std::numeric_limits<T>::max()) {
    std::uint64_t value = 0;
    if (word.empty() || word.size() > 10) return std::nullopt;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value > static_cast<std::uint64_t>(max))
        return std::nullopt;
    return static_cast<T>(value);
}

std::optional<Message> ParseFocus(std::string_view fields) {
    std::string_view program;
    const auto words = SplitWords(fields, 3, &program);
    if (!words) return std::nullopt;
    const auto window = Number<Handle>((*words)[0]);
    const auto own = Number<int>((*words)[1], 1);
    const auto keys = Number<int>((*words)[2], 1);
    if (!window || !own || !keys || program.size() > kMaxProgramBytes) return std::nullopt;
    for (char c : program)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return std::nullopt;
    return Focus{*window, *own == 1, std::string(program), *keys == 1};
}

std::optional<Message> ParseKeyUp(const std::vector<std::string_view>& w) {
    const auto seq = Number<Seq>(w[0]);
    const auto window = Number<Handle>(w[1]);
    const auto code = Number<std::int16_t>(w[2]);
    const auto shift = Number<std::int16_t>(w[3], 7);
    if (!seq || !window || !code || !shift) return std::nullopt;
    return KeyUp{*seq, *window, *code, *shift};
}

std::optional<Message> ParseChar(const std::vector<std::string_view>& w) {
    const auto seq = Number<Seq>(w[0]);
    const auto window = Number<Handle>(w[1]);
    const auto unit = Number<std::uint16_t>(w[2]);
    if (!seq || !window || !unit) return std::nullopt;
    return Char{*seq, *window, *unit};
}

std::optional<Message> ParseKeybd(const std::vector<std::string_view>& w) {
    const auto seq = Number<Seq>(w[0]);
    const auto vk = Number<std::uint8_t>(w[1]);
    const auto scan = Number<std::uint8_t>(w[2]);
    const auto flags = Number<std::uint32_t>(w[3]);
    if (!seq || !vk || !scan || !flags) return std::nullopt;
    return Keybd{*seq, *vk, *scan, *flags};
}

std::optional<Message> ParseFields(std::string_view verb, std::string_view fields) {
    if (verb == "focus") return ParseFocus(fields);
    if (verb == "hook" || verb == "unhook") {
        if (!fields.empty()) return std::nullopt;
        return verb == "hook" ? Message{Hook{}} : Message{Unhook{}};
    }
    const std::size_t count = verb == "keyup" || verb == "keybd" ? 4
                              : verb == "char"                    ? 3
                              : verb == "register"                ? 2
                              : verb == "hello" || verb == "done" || verb == "pass" || verb == "gaveback" ||
                                      verb == "word"
                                  ? 1
                                  : 0;
    if (count == 0) return std::nullopt;
    const auto w = SplitWords(fields, count, nullptr);
    if (!w) return std::nullopt;
    if (verb == "keyup") return ParseKeyUp(*w);
    if (verb == "keybd") return ParseKeybd(*w);
    if (verb == "char") return ParseChar(*w);
    if (verb == "register") {
        const auto target = Number<Handle>((*w)[0]), owner = Number<Handle>((*w)[1]);
        if (!target || !owner) return std::nullopt;
        return Register{*target, *owner};
    }
    if (verb == "hello") {
        // A version beyond int would read back negative and encode to a
        // line no one can parse.
        const auto version = Number<int>((*w)[0]);
        if (!version) return std::nullopt;
        return Hello{*version};
    }
    if (verb == "word") {
        const auto pending = Number<int>((*w)[0], 1);
        if (!pending) return std::nullopt;
        return Word{*pending == 1};
    }
    const auto seq = Number<Seq>((*w)[0]);
    if (!seq) return std::nullopt;
    if (verb == "pass") return Pass{*seq};
    if (verb == "gaveback") return GaveBack{*seq};
    return Done{*seq};
}

}  // namespace

std::string Encode(const Message& message) {
    return std::visit(
        Overloaded{
            [](const Hello& m) { return Words({"hello", Num(static_cast<std::uint64_t>(m.version))}); },
            [](const Focus& m) {
                std::string line = "focus " + Num(m.window) + (m.own ? " 1" : " 0") + (m.takesKeys ? " 1 " : " 0 ");
                return line + CleanProgramName(m.program) + '\n';
            },
            [](const KeyUp& m) {
                return Words({"keyup", Num(m.seq), Num(m.window), Num(static_cast<std::uint16_t>(m.code)),
                              Num(static_cast<std::uint16_t>(m.shift))});
            },
            [](const Register& m) { return Words({"register", Num(m.target), Num(m.owner)}); },
            [](const Hook&) { return Words({"hook"}); },
            [](const Unhook&) { return Words({"unhook"}); },
            [](const Char& m) { return Words({"char", Num(m.seq), Num(m.window), Num(m.unit)}); },
            [](const Keybd& m) { return Words({"keybd", Num(m.seq), Num(m.vk), Num(m.scan), Num(m.flags)}); },
            [](const Pass& m) { return Words({"pass", Num(m.seq)}); },
            [](const Word& m) { return Words({"word", m.pending ? "1" : "0"}); },
            [](const GaveBack& m) { return Words({"gaveback", Num(m.seq)}); },
            [](const Done& m) { return Words({"done", Num(m.seq)}); },
        },
        message);
}

std::string LineOf(const Message& message) {
    std::string line = Encode(message);
    line.pop_back();
    return line;
}

std::optional<Message> Parse(std::string_view line) {
    if (line.size() >= kMaxLineBytes) return std::nullopt;
    const std::size_t space = line.find(' ');
    const std::string_view verb = line.substr(0, space);
    const std::string_view fields = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    if (space != std::string_view::npos && fields.empty() && verb != "focus") return std::nullopt;
    return ParseFields(verb, fields);
}

void LineReader::Feed(std::string_view bytes, const LineHandler& onLine, const OversizeHandler& onOversize) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (skipping_) {
            if (end != std::string_view::npos) skipping_ = false;
        } else if (pending_.size() + piece.size() + 1 > kMaxLineBytes) {
            pending_.clear();
            skipping_ = end == std::string_view::npos;
            onOversize();
        } else if (end == std::string_view::npos) {
            pending_ += piece;
        } else if (pending_.empty()) {
            onLine(piece);
        } else {
            pending_ += piece;
            const std::string line = std::move(pending_);
            pending_.clear();
            onLine(line);
        }
        if (end == std::string_view::npos) return;
        bytes.remove_prefix(end + 1);
    }
}

Handle KeyDestination(Handle target, Handle owner, std::int16_t code) {
    if (code >= kFirstCommandCode) return owner;
    return target;
}

std::string SocketPath() {
    if (const char* path = std::getenv("ORVIK_HOOK_SOCKET"); path != nullptr && *path != '\0') return path;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0')
        return std::string(runtime) + "/orvik2004/hook";
    return "/tmp/orvik2004-" + std::to_string(getuid()) + "/hook";
}

}  // namespace orvik::hook
