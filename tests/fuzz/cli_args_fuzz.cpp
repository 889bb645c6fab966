// The command lines and standard input of `orvik`, on the hand-made data
// files of the tests.
//
// Input: one byte choosing the command, the text of standard input (its
// first four lines), then the arguments, each after a NUL. A data directory
// is given first to the commands that take one; the value of any --data becomes that directory
// and the value of any --out a file of this run, so no input reaches
// another file.
//
// What must hold: the status is 0, 1 or 2 (usage), and every failure says
// why on standard error; `type` and `compose` print one line per line of
// standard input when no keys are given; `lookup` prints the Big5 code
// that the data lists for exactly that code point, or none.

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "command.h"
#include "engine/text.h"
#include "fuzz.h"
#include "platform/disk_files.h"

namespace orvik::fuzz {
namespace {

const std::string kDataDir = ORVIK_FIXTURES "/ime";

struct Command {
    std::string_view name;
    int (*run)(const cli::Args&, cli::Streams);
    bool takesData;
};

constexpr Command kCommands[] = {
    {"lookup", cli::RunLookup, true}, {"candidates", cli::RunCandidates, true}, {"type", cli::RunType, true},
    {"compose", cli::RunCompose, false}, {"page", cli::RunPage, true}, {"clip", cli::RunClip, true},
    {"speak", cli::RunSpeak, true},
};

cli::Args ArgsOf(const Command& command, const std::vector<std::string_view>& parts) {
    cli::Args args;
    if (command.takesData) args = {"--data", kDataDir};
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const bool value = !args.empty() && (args.back() == "--data" || args.back() == "--out");
        args.emplace_back(value ? (args.back() == "--data" ? kDataDir : (WorkDir() / "out.wav").string()) : std::string(parts[i]));
    }
    return args;
}

// The Big5 code of each code point in the data's Big5 line: "/" + four hex
// digits + the decimal code point.
std::map<std::string, std::string> ReadBig5Codes() {
    std::map<std::string, std::string> codes;
    const FileBytes file = ReadDiskFile(kDataDir + "/big5uni.idx");
    std::istringstream fields(file.bytes.substr(0, file.bytes.find_first_of("\r\n")));
    for (std::string field; std::getline(fields, field, '/');)
        if (field.size() > 4) codes.emplace(field.substr(4), field.substr(0, 4));
    return codes;
}

// A code point's lines start with one ending in "(N)" (the character may
// itself be a line end) and go on with "big5       CODE".
void CheckLookup(const std::string& out) {
    static const std::map<std::string, std::string> big5Codes = ReadBig5Codes();
    std::istringstream lines(out);
    std::string codePoint;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t open = line.rfind(" (");
        if (open != std::string::npos && line.back() == ')') codePoint = line.substr(open + 2, line.size() - open - 3);
        if (line.rfind("big5       ", 0) != 0) continue;
        const auto listed = big5Codes.find(codePoint);
        ORVIK_FUZZ_CHECK(line.substr(11) == (listed == big5Codes.end() ? "(not listed)" : listed->second));
    }
}

// `type` runs each line of standard input in a fresh main window, which
// takes tens of milliseconds in this build: more lines would only slow the
// search down, and a long run of them is not a hang.
constexpr std::size_t kMostInputLines = 4;

std::string_view FirstLines(std::string_view text) {
    std::size_t end = 0;
    for (std::size_t line = 0; line < kMostInputLines && end < text.size(); ++line) {
        const std::size_t lineEnd = text.find('\n', end);
        end = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
    }
    return text.substr(0, end);
}

std::size_t LineCount(std::string_view text) {
    return std::count(text.begin(), text.end(), '\n') + (!text.empty() && text.back() != '\n');
}

int Run(const Command& command, const cli::Args& args, cli::Streams io) {
    try {
        return command.run(args, io);
    } catch (const std::runtime_error& error) {
        // What the desktop refuses ends a command with its reason, as the
        // tool's main does.
        io.err << "orvik: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    if (size == 0) return 0;
    const fuzz::Command& command = fuzz::kCommands[data[0] % std::size(fuzz::kCommands)];
    const std::string_view rest = fuzz::AsText(data + 1, size - 1);
    const auto parts = fuzz::SplitInput(rest, '\0', static_cast<std::size_t>(std::count(rest.begin(), rest.end(), '\0')) + 1);
    const cli::Args args = fuzz::ArgsOf(command, parts);

    const std::string_view input = fuzz::FirstLines(parts[0]);
    std::istringstream in{std::string(input)};
    std::ostringstream out, err;
    const int status = fuzz::Run(command, args, {in, out, err});
    ORVIK_FUZZ_CHECK(status >= 0 && status <= 2);
    ORVIK_FUZZ_CHECK(status == 0 || err.str().find("orvik: ") != std::string::npos);

    const bool keys = args.size() > (command.takesData ? 2u : 0u);
    if (command.name == "lookup") fuzz::CheckLookup(out.str());
    if ((command.name == "compose" || command.name == "type") && !keys && status != 2)
        ORVIK_FUZZ_CHECK(fuzz::LineCount(out.str()) == fuzz::LineCount(input));
    return 0;
}
