#include "wave_request.h"

#include <ostream>
#include <stdexcept>

#include "platform/disk_files.h"

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

// Replaces the file: a FIFO or a link at the name is never written through.
void WriteWaveFile(const std::string& path, const std::string& bytes) {
    if (!WriteDiskFile(path, bytes)) throw std::runtime_error("cannot write " + path);
}

}  // namespace orvik::cli
