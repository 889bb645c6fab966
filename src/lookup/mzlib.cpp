#include "lookup/mzlib.h"

#include <zlib.h>

#include <cmath>
#include <cstdlib>

#include "engine/text.h"

namespace orvik {

namespace {

const char* Description(int zlibResult) {
    switch (zlibResult) {
        case Z_BUF_ERROR: return "Insufficient space in output buffer to uncompress string";
        case Z_MEM_ERROR: return "Insufficient memory to uncompress string";
        case Z_DATA_ERROR: return "Cannot uncompress corrupt data";
        default: return "Unknown error during uncompress operation";
    }
}

// The stored length, rounded to a 32-bit integer; a value that does not start
// with a number gives 0.
std::int32_t StoredLength(std::string_view packed) {
    const double value = DecimalValue(FromBytes(packed.substr(0, 24)));
    if (value <= 0) return 0;
    if (value >= 2147483647.0) return 2147483647;
    return static_cast<std::int32_t>(std::nearbyint(value));
}

int DigitCount(std::int32_t n) { return static_cast<int>(std::to_string(n).size()); }

// Deflate never packs more than 1032 bytes into one; a little slack covers
// the stream's header and end.
constexpr std::size_t kDeflateGreatestRatio = 1032;
constexpr std::size_t kStreamSlack = 64;

bool CouldHold(std::string_view stream, std::int32_t length) {
    const auto claimed = static_cast<std::size_t>(length);
    return length <= kLargestUnpacked && claimed <= (stream.size() + kStreamSlack) * kDeflateGreatestRatio;
}

}  // namespace

ZlibError::ZlibError(int zlibResult)
    : std::runtime_error(Description(zlibResult)),
      zlibResult_(zlibResult),
      number_(kObjectErrorBase + std::abs(zlibResult)) {}

std::string UncompressString(std::string_view packed) {
    const std::int32_t n = StoredLength(packed);
    const auto streamStart = static_cast<std::size_t>(DigitCount(n) + 1);
    const std::string_view stream =
        streamStart < packed.size() ? packed.substr(streamStart) : std::string_view{};
    if (!CouldHold(stream, n)) throw ZlibError(Z_MEM_ERROR);
    std::string buffer(static_cast<std::size_t>(n), ' ');
    uLongf destLen = static_cast<uLongf>(n);
    // zlib wants a non-null destination even for an empty buffer.
    unsigned char spare = 0;
    auto* dest = n > 0 ? reinterpret_cast<Bytef*>(buffer.data()) : &spare;
    const int result = uncompress(dest, &destLen, reinterpret_cast<const Bytef*>(stream.data()),
                                  static_cast<uLong>(stream.size()));
    if (result != Z_OK) throw ZlibError(result);
    if (destLen != static_cast<uLongf>(n)) throw ZlibError(Z_DATA_ERROR);
    return buffer;
}

}  // namespace orvik
