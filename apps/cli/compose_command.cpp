#include <iostream>
#include <string>

#include "command.h"
#include "composer.h"

namespace orvik::cli {

namespace {

struct ComposeRequest {
    OutputCode code = kOutputCodes[0];
    Args words;
};

// Answers the exit status on a usage error, 0 when the request is complete.
int ParseCompose(const Args& args, ComposeRequest& request, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--code") {
            if (i + 1 == args.size()) return UsageError(err, "--code needs a value: unicode, vietware, tcvn3 or vni");
            const auto code = FindOutputCode(args[++i]);
            if (!code) return UsageError(err, "unknown code '" + args[i] + "': use unicode, vietware, tcvn3 or vni");
            request.code = *code;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for compose");
        } else {
            request.words.push_back(arg);
        }
    }
    return 0;
}

}  // namespace

int RunCompose(const Args& args, Streams io) {
    ComposeRequest request;
    if (const int status = ParseCompose(args, request, io.err); status != 0) return status;
    const Composer composer(request.code);
    if (!request.words.empty()) {
        for (const auto& word : request.words) io.out << composer.Line(word) << '\n';
        return 0;
    }
    std::string line;
    while (std::getline(io.in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        io.out << composer.Line(line) << '\n';
    }
    return 0;
}

}  // namespace orvik::cli
