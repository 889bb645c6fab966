// Unpacking a packed string (a speech clip as the clip database stores it).
//
// Input: the packed string: a decimal length, one separator, a zlib stream.
//
// What must hold: only a ZlibError with one of the documented numbers leaves
// UncompressString; unpacked data is never more than the stream could hold
// (run with -malloc_limit_mb so that no allocation goes beyond it either);
// what unpacks packs again and unpacks to the same bytes.
#include <zlib.h>

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "lookup/mzlib.h"

namespace orvik::fuzz {
namespace {

// Deflate's greatest ratio is 1032 to 1; a stream has a few bytes of frame.
bool Justified(std::size_t unpacked, std::size_t packed) {
    return unpacked <= (packed + 64) * 1032 && unpacked <= static_cast<std::size_t>(kLargestUnpacked);
}

std::string Pack(const std::string& bytes) {
    uLongf length = compressBound(static_cast<uLong>(bytes.size()));
    std::string stream(length, '\0');
    const int result = compress(reinterpret_cast<Bytef*>(stream.data()), &length,
                                reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()));
    ORVIK_FUZZ_CHECK(result == Z_OK);
    stream.resize(length);
    return std::to_string(bytes.size()) + " " + stream;
}

void CheckError(const ZlibError& error) {
    const int result = error.ZlibResult();
    ORVIK_FUZZ_CHECK(result == Z_MEM_ERROR || result == Z_DATA_ERROR || result == Z_BUF_ERROR);
    ORVIK_FUZZ_CHECK(error.Number() == ZlibError::kObjectErrorBase - result);
    ORVIK_FUZZ_CHECK(std::string(error.Source()) == "UncompressString");
}

}  // namespace
}  // namespace orvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvik;
    const std::string_view packed = fuzz::AsText(data, size);
    std::string unpacked;
    try {
        unpacked = UncompressString(packed);
    } catch (const ZlibError& error) {
        fuzz::CheckError(error);
        return 0;
    }
    ORVIK_FUZZ_CHECK(fuzz::Justified(unpacked.size(), packed.size()));
    ORVIK_FUZZ_CHECK(UncompressString(fuzz::Pack(unpacked)) == unpacked);
    return 0;
}
