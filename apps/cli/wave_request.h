// The command line of the commands that write sound into a WAVE file:
// "[--data DIR] WORD... --out FILE.wav".
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"

namespace orvik::cli {

struct WaveRequest {
    std::string dataDir = ORVIK_DEFAULT_DATA_DIR;
    std::vector<std::string> words;
    std::string out;
};

// 0, or the usage error (printed) for an option it does not know, a value
// missing, or no word or no --out; `usage` is the command's usage line.
int ParseWaveRequest(const Args& args, const std::string& command, const std::string& usage, WaveRequest& request,
                     std::ostream& err);

// Writes `bytes` to `path`; throws std::runtime_error naming the file when it cannot.
void WriteWaveFile(const std::string& path, const std::string& bytes);

}  // namespace orvik::cli
