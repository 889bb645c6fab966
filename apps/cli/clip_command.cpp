#include <filesystem>
#include <ostream>

#include "command.h"
#include "engine/text.h"
#include "lookup/clip_store.h"
#include "lookup/mzlib.h"
#include "wave_request.h"

namespace orvik::cli {

// Unpacks the word's clip from DIR/doctv.MDB into a WAVE file.
int RunClip(const Args& args, Streams io) {
    WaveRequest request;
    const std::string usage = "usage: orvik clip [--data DIR] WORD --out FILE.wav";
    if (const int status = ParseWaveRequest(args, "clip", usage, request, io.err); status != 0) return status;
    if (request.words.size() > 1) return UsageError(io.err, "clip takes one word");
    const std::string& word = request.words.front();
    try {
        ClipStore clips(std::filesystem::path(request.dataDir) / ClipStore::kFileName);
        const auto packed = clips.FindFirst(ClipField::Chu, Utf8ToU16(word));
        if (!packed) {
            io.err << "orvik: no clip for '" << word << "'\n";
            return 1;
        }
        const std::string wave = UncompressString(*packed);
        WriteWaveFile(request.out, wave);
        io.out << request.out << ": " << wave.size() << " bytes\n";
    } catch (const std::exception& e) {
        io.err << "orvik: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace orvik::cli
