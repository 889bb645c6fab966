#include <fstream>
#include <ostream>
#include <stdexcept>

#include "command.h"
#include "engine/text.h"
#include "lookup/clip_store.h"
#include "lookup/mzlib.h"

namespace orvik::cli {

namespace {

struct ClipRequest {
    std::filesystem::path dataDir = ORVIK_DEFAULT_DATA_DIR;
    std::string word;
    std::filesystem::path out;
};

int ParseClip(const Args& args, ClipRequest& request, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data" || arg == "--out") {
            if (i + 1 == args.size()) return UsageError(err, arg + " needs a value");
            (arg == "--data" ? request.dataDir : request.out) = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(err, "unknown option '" + arg + "' for clip");
        } else if (!request.word.empty()) {
            return UsageError(err, "clip takes one word");
        } else {
            request.word = arg;
        }
    }
    if (request.word.empty() || request.out.empty()) return UsageError(err, "usage: orvik clip [--data DIR] WORD --out FILE.wav");
    return 0;
}

}  // namespace

// Unpacks the word's clip from DIR/doctv.MDB into a WAVE file.
int RunClip(const Args& args, Streams io) {
    ClipRequest request;
    if (const int status = ParseClip(args, request, io.err); status != 0) return status;
    try {
        ClipStore clips(request.dataDir / ClipStore::kFileName);
        const auto packed = clips.FindFirst(ClipField::Chu, Utf8ToU16(request.word));
        if (!packed) {
            io.err << "orvik: no clip for '" << request.word << "'\n";
            return 1;
        }
        const std::string wave = UncompressString(*packed);
        std::ofstream file(request.out, std::ios::binary | std::ios::trunc);
        file.write(wave.data(), static_cast<std::streamsize>(wave.size()));
        if (!file.flush()) throw std::runtime_error("cannot write " + request.out.string());
        io.out << request.out.string() << ": " << wave.size() << " bytes\n";
    } catch (const std::exception& e) {
        io.err << "orvik: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace orvik::cli
