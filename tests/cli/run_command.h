// Runs a command of the `orvik` tool as its main does, with standard input
// given as text, and keeps what it wrote and its status.
#pragma once

#include <filesystem>
#include <fstream>
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

// The bytes a command wrote into a file.
inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace orvik::cli::testing
