// Runs a command of the `orvik` tool as its main does, with standard input
// given as text, and keeps what it wrote and its status.
#pragma once

#include <sstream>
#include <string>

#include "command.h"

namespace orvik::cli::testing {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome RunCommand(int (*command)(const Args&, Streams), const Args& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = command(args, {in, out, err});
    return {status, out.str(), err.str()};
}

}  // namespace orvik::cli::testing
