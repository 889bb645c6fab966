// Unpacking a packed string (a speech clip as the clip database stores it).
//
// Input: the packed string: a decimal length, one separator, a zlib stream.
// The regression inputs are the seeds too: intact clips of the clip
// database and damaged ones.
//
// What must hold: only a ZlibError with one of the documented numbers leaves
// UncompressString; unpacked data is never more than the stream could hold
// (run with -malloc_limit_mb so that no allocation goes beyond it either);
// what unpacks packs again and unpacks to the same bytes.
#include <zlib.h>

#include <string>

#include "fuzz.h"
#include "lookup/mzlib.h"

namespace {

std::string Pack(const std::string& bytes) {
    uLongf length = compressBound(static_cast<uLong>(bytes.size()));
    std::string stream(length, '\0');
    const int result = compress(reinterpret_cast<Bytef*>(stream.data()), &length,
                                reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()));
    ORVIK_FUZZ_CHECK(result == Z_OK);
    stream.resize(length);
    return std::to_string(bytes.size()) + " " + stream;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const std::string_view packed = fuzz::AsText(data, size);
    std::string unpacked;
    try {
        unpacked = UncompressString(packed);
    } catch (const ZlibError& error) {
        const int result = error.ZlibResult();
        ORVIK_FUZZ_CHECK(result == Z_MEM_ERROR || result == Z_DATA_ERROR || result == Z_BUF_ERROR);
        ORVIK_FUZZ_CHECK(error.Number() == ZlibError::kObjectErrorBase - result);
        return 0;
    }
    // Deflate's greatest ratio is 1032 to 1; a stream has a few bytes of frame.
    ORVIK_FUZZ_CHECK(unpacked.size() <= (packed.size() + 64) * 1032);
    ORVIK_FUZZ_CHECK(unpacked.size() <= static_cast<std::size_t>(kLargestUnpacked));
    ORVIK_FUZZ_CHECK(UncompressString(Pack(unpacked)) == unpacked);
    return 0;
}
