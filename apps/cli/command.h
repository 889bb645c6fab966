// The subcommands of the command-line tool `orvik`.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::cli {

using Args = std::vector<std::string>;

// Exit status of a command line the tool does not understand.
inline constexpr int kUsageError = 2;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

int RunCompose(const Args& args, Streams io);
// `program`: the tool as it was started, so that the hint it prints works as
// written (build/bin/orvik in a build, orvik once installed).
int RunDemo(const Args& args, Streams io, std::string_view program);
int RunCandidates(const Args& args, Streams io);
int RunLookup(const Args& args, Streams io);
int RunClip(const Args& args, Streams io);
int RunSpeak(const Args& args, Streams io);
int RunType(const Args& args, Streams io);
int RunPage(const Args& args, Streams io);
int RunTranscribe(const Args& args, Streams io);

// Prints "orvik: " + message and a hint to stderr; answers kUsageError.
int UsageError(std::ostream& err, const std::string& message);

}  // namespace orvik::cli
