// Runs a helper program and takes what it writes to its standard output,
// bounded in size and in time: at most `limit` bytes are kept, and the
// program is ended once it has written more or once `deadline` has come,
// so that a helper relaying a large or slow clipboard owner never holds
// the GUI thread or the memory of the whole content.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace orvik {

struct CommandOutput {
    bool started = false;   // the program could be run
    bool finished = false;  // it ended on its own with status 0 within the bounds
    bool cut = false;       // it wrote more than the limit, or was not done by the deadline
    std::string bytes;      // at most the limit
};

// `command[0]` is looked up on PATH; standard input and error are /dev/null.
CommandOutput RunBounded(const std::vector<std::string>& command, std::size_t limit,
                         std::chrono::steady_clock::time_point deadline);

}  // namespace orvik
