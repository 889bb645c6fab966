// The lines between the program and the key hook: every message is written
// as its documented words and read back, malformed lines are refused, and a
// stream is cut into lines whatever its chunks.
#include "hook_protocol/hook_protocol.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <optional>
#include <vector>

namespace orvik::hook {
namespace {

std::optional<Message> ParseEncoded(const Message& message) {
    const std::string line = Encode(message);
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    return Parse(std::string_view(line).substr(0, line.size() - 1));
}

TEST(HookProtocolTest, EveryMessageIsItsDocumentedLineAndReadsBack) {
    const std::pair<Message, const char*> cases[] = {
        {Hello{1}, "hello 1"},
        {Focus{65538, false, "gedit"}, "focus 65538 0 1 gedit"},
        {Focus{65539, true, "orvik2004"}, "focus 65539 1 1 orvik2004"},
        {Focus{65540, false, "gnome-text-editor", false}, "focus 65540 0 0 gnome-text-editor"},
        {Focus{0, false, ""}, "focus 0 0 1 "},
        {KeyUp{7, 261, 104, 1}, "keyup 7 261 104 1"},
        {KeyUp{4294967295u, 256, 382, 3}, "keyup 4294967295 256 382 3"},
        {Register{261, 256}, "register 261 256"},
        {Register{0, 256}, "register 0 256"},
        {Hook{}, "hook"},
        {Unhook{}, "unhook"},
        {Char{2, 65538, 19968}, "char 2 65538 19968"},
        {Char{0, 65538, 65535}, "char 0 65538 65535"},
        {Char{3, 65538, 0xD840}, "char 3 65538 55360"},  // half of a pair
        {Keybd{2, 16, 28, 2}, "keybd 2 16 28 2"},
        {Pass{11}, "pass 11"},
        {GaveBack{10}, "gaveback 10"},
        {Word{true}, "word 1"},
        {Word{false}, "word 0"},
        {Done{12}, "done 12"},
    };
    for (const auto& [message, line] : cases) {
        EXPECT_EQ(Encode(message), std::string(line) + "\n");
        EXPECT_EQ(Parse(line), message) << line;
    }
}

TEST(HookProtocolTest, ProgramNamesAreCleanedAndCutAtACharacter) {
    const auto cleaned = ParseEncoded(Focus{65538, false, "a\nb\x01" + std::string(70, 'x')});
    ASSERT_TRUE(cleaned.has_value());
    EXPECT_EQ(std::get<Focus>(*cleaned).program, "a?b?" + std::string(kMaxProgramBytes - 4, 'x'));

    std::string vietnamese;
    while (vietnamese.size() < 80) vietnamese += "ữ";  // three bytes each
    const auto cut = ParseEncoded(Focus{65538, false, vietnamese});
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(std::get<Focus>(*cut).program, vietnamese.substr(0, 63));
}

TEST(HookProtocolTest, MalformedLinesAreRefused) {
    const std::string lines[] = {
        "", "keyup", "keyup 1 2 3", "keyup 1 2 3 4 5",
        "keyup 1 2 3 8",      // no such shift state
        "keyup 1 2 32768 0",  // code beyond 16 bits
        "keyup -1 2 3 0", "keyup 1  2 3 0", "keyup 1 2 3 0 ", "KEYUP 1 2 3 0",
        "char 1 2 65536", "char 1 2 0x41", "keybd 1 256 0 0", "register 1", "hook now", "unhook ",
        "done 99999999999", "focus 1 2 1 x", "focus 1 0 2 x", "focus 1 0 x", "focus 1 0 1 a\tb",
        "word 2", "word", "hello 2147483648", "launch 1",
        "keyup 1 2 3 0" + std::string(300, ' '),
    };
    for (const std::string& line : lines) EXPECT_FALSE(Parse(line).has_value()) << '[' << line << ']';
}

struct Collected {
    std::vector<std::string> lines;
    int oversize = 0;
};

Collected FeedAll(const std::vector<std::string>& chunks) {
    LineReader reader;
    Collected out;
    for (const std::string& chunk : chunks)
        reader.Feed(chunk, [&](std::string_view line) { out.lines.emplace_back(line); }, [&] { ++out.oversize; });
    return out;
}

// Lines come out whatever the chunks, an empty one too; an oversized line is
// dropped to its end and reported once.
TEST(HookProtocolTest, ReaderCutsLinesAndDropsOversizedOnesToTheirEndOnce) {
    std::vector<std::string> bytes;
    for (const char c : std::string("done 1\n\nhook\n")) bytes.emplace_back(1, c);
    EXPECT_EQ(FeedAll(bytes).lines, (std::vector<std::string>{"done 1", "", "hook"}));

    const std::string longLine(kMaxLineBytes, 'k');
    const Collected out = FeedAll({"done 1\n" + longLine.substr(0, 100), longLine, longLine + "\ndone", " 2\n"});
    EXPECT_EQ(out.lines, (std::vector<std::string>{"done 1", "done 2"}));
    EXPECT_EQ(out.oversize, 1);

    const Collected edge = FeedAll({std::string(kMaxLineBytes - 1, 'a') + "\n" + longLine + "\n"});
    EXPECT_EQ(edge.lines.size(), 1u);
    EXPECT_EQ(edge.oversize, 1);
}

TEST(HookProtocolTest, CommandCodesGoToTheOwnerOtherKeysToTheTarget) {
    EXPECT_EQ(KeyDestination(0x105, 0x100, 104), 0x105u);
    EXPECT_EQ(KeyDestination(0x105, 0x100, 296), 0x100u);
    EXPECT_EQ(KeyDestination(0, 0x100, 104), 0u);
    EXPECT_EQ(KeyDestination(0, 0x100, 382), 0x100u);
}

// Nothing else in this program reads these variables, so they are left unset.
TEST(HookProtocolTest, SocketPathFollowsTheEnvironment) {
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
