#include "wave_request.h"

#include <fstream>
#include <ostream>
#include <stdexcept>

namespace orvik::cli {

int ParseWaveRequest(const Args& args, const std::string& command, const std::string& usage, WaveRequest& request,
                     std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data" || arg == "--out") {
            if (i + 1 == args.size()) return UsageError(err, arg + " needs a value");
            (arg == "--data" ? request.dataDir : request.out) = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for " + command);
        } else {
            request.words.push_back(arg);
        }
    }
    if (request.words.empty() || request.out.empty()) return UsageError(err, usage);
    return 0;
}

void WriteWaveFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace orvik::cli
