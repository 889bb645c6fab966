// The lines between the program and the key hook: every message survives its
// line, malformed lines are refused, and a stream is cut into lines whatever
// its chunks.
#include "hook_protocol/hook_protocol.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <vector>

namespace orvik::hook {
namespace {

TEST(HookProtocolTest, EveryMessageReadsBackFromItsLine) {
    const std::vector<Message> messages{
        Hello{1},
        Focus{0x10002, false, "zenity"},
        Focus{0x10003, true, "orvik2004"},
        Focus{0, false, ""},
        Focus{0x10004, false, "gnome-text-editor", false},
        KeyUp{7, 0x105, 104, 0},
        KeyUp{4294967295u, 0x100, 382, 0},
        KeyUp{1, 0x105, 48, 3},
        Register{0x105, 0x100},
        Register{0, 0x100},
        Hook{},
        Unhook{},
        Char{3, 0x10002, 0xD840},
        Char{0, 0x10002, 65535},
        Keybd{3, 17, 29, 0},
        Keybd{3, 86, 23, 2},
        Pass{11},
        GaveBack{10},
        Word{true},
        Word{false},
        Done{12},
    };
    for (const Message& message : messages) {
        const std::string line = Encode(message);
        ASSERT_EQ(line.back(), '\n') << line;
        EXPECT_EQ(Parse(std::string_view(line).substr(0, line.size() - 1)), message) << line;
    }
}

TEST(HookProtocolTest, LinesAreTheDocumentedWords) {
    EXPECT_EQ(Encode(KeyUp{7, 261, 104, 1}), "keyup 7 261 104 1\n");
    EXPECT_EQ(Encode(Char{2, 65538, 19968}), "char 2 65538 19968\n");
    EXPECT_EQ(Encode(Keybd{2, 16, 28, 2}), "keybd 2 16 28 2\n");
    EXPECT_EQ(Encode(Focus{65538, false, "gedit"}), "focus 65538 0 1 gedit\n");
    EXPECT_EQ(Encode(Word{true}), "word 1\n");
}

TEST(HookProtocolTest, ProgramNamesAreCleanedAndCutAtACharacter) {
    const std::string line = Encode(Focus{65538, false, "a\nb\x01" + std::string(70, 'x')});
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    const auto focus = Parse(std::string_view(line).substr(0, line.size() - 1));
    ASSERT_TRUE(focus.has_value());
    EXPECT_EQ(std::get<Focus>(*focus).program.substr(0, 3), "a?b");
    EXPECT_EQ(std::get<Focus>(*focus).program.size(), kMaxProgramBytes);

    std::string vietnamese;
    while (vietnamese.size() < 80) vietnamese += "ữ";  // three bytes each
    const std::string cutLine = Encode(Focus{65538, false, vietnamese});
    const auto cut = Parse(std::string_view(cutLine).substr(0, cutLine.size() - 1));
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(std::get<Focus>(*cut).program.size(), 63u);
}

TEST(HookProtocolTest, MalformedLinesAreRefused) {
    const std::vector<std::string> lines{
        "",
        "keyup",
        "keyup 1 2 3",
        "keyup 1 2 3 4 5",
        "keyup 1 2 3 8",          // no such shift state
        "keyup 1 2 32768 0",      // code beyond 16 bits
        "keyup -1 2 3 0",
        "keyup 1  2 3 0",
        "keyup 1 2 3 0 ",
        "char 1 2 65536",
        "char 1 2 0x41",
        "keybd 1 256 0 0",
        "register 1",
        "hook now",
        "unhook ",
        "done 99999999999",
        "focus 1 2 1 x",
        "focus 1 0 2 x",
        "focus 1 0 x",
        "focus 1 0 1 a\tb",
        "word 2",
        "word",
        "hello",
        "hello 2147483648",       // a version beyond int
        "launch 1",
        "KEYUP 1 2 3 0",
        "keyup 1 2 3 0" + std::string(300, ' '),
    };
    for (const std::string& line : lines) EXPECT_FALSE(Parse(line).has_value()) << '[' << line << ']';
}

struct Collected {
    std::vector<std::string> lines;
    int oversize = 0;
};

void FeedAll(LineReader& reader, const std::vector<std::string>& chunks, Collected& out) {
    for (const std::string& chunk : chunks)
        reader.Feed(chunk, [&](std::string_view line) { out.lines.emplace_back(line); }, [&] { ++out.oversize; });
}

TEST(HookProtocolTest, ReaderCutsLinesWhateverTheChunks) {
    const std::string stream = "done 1\nkeyup 2 261 104 0\n\nhook\n";
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> chunks;
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t size = 1 + random() % 6;
            chunks.push_back(stream.substr(at, size));
            at += size;
        }
        LineReader reader;
        Collected out;
        FeedAll(reader, chunks, out);
        EXPECT_EQ(out.lines, (std::vector<std::string>{"done 1", "keyup 2 261 104 0", "", "hook"}));
        EXPECT_EQ(out.oversize, 0);
    }
}

TEST(HookProtocolTest, OversizedLinesAreDroppedToTheirEndOnce) {
    LineReader reader;
    Collected out;
    const std::string longLine(kMaxLineBytes, 'k');
    FeedAll(reader, {"done 1\n" + longLine.substr(0, 100), longLine, longLine + "\ndone", " 2\n"}, out);
    EXPECT_EQ(out.lines, (std::vector<std::string>{"done 1", "done 2"}));
    EXPECT_EQ(out.oversize, 1);

    Collected exact;
    LineReader second;
    FeedAll(second, {std::string(kMaxLineBytes - 1, 'a') + "\n" + std::string(kMaxLineBytes, 'b') + "\n"}, exact);
    EXPECT_EQ(exact.lines.size(), 1u);
    EXPECT_EQ(exact.oversize, 1);
}

TEST(HookProtocolTest, CommandCodesGoToTheOwnerOtherKeysToTheTarget) {
    EXPECT_EQ(KeyDestination(0x105, 0x100, 104), 0x105u);
    EXPECT_EQ(KeyDestination(0x105, 0x100, 296), 0x100u);
    EXPECT_EQ(KeyDestination(0, 0x100, 104), 0u);
    EXPECT_EQ(KeyDestination(0, 0x100, 382), 0x100u);
}

// Restores an environment variable when the test ends.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        const char* value = std::getenv(name);
        if (value != nullptr) value_ = value;
    }
    ~SavedVariable() {
        if (value_) setenv(name_, value_->c_str(), 1);
        else unsetenv(name_);
    }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> value_;
};

TEST(HookProtocolTest, SocketPathFollowsTheEnvironment) {
    const SavedVariable socket("ORVIK_HOOK_SOCKET"), runtime("XDG_RUNTIME_DIR");
    setenv("ORVIK_HOOK_SOCKET", "/tmp/x/hook", 1);
    EXPECT_EQ(SocketPath(), "/tmp/x/hook");
    unsetenv("ORVIK_HOOK_SOCKET");
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(SocketPath(), "/run/user/1000/orvik2004/hook");
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SocketPath(), "/tmp/orvik2004-" + std::to_string(getuid()) + "/hook");
}

}  // namespace
}  // namespace orvik::hook
