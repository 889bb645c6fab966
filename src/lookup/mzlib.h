// Unpacking of packed strings: the speech clips are stored as the decimal
// length of the unpacked data, one separator character, then a zlib stream.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvik {

// The error UncompressString raises when zlib reports a failure: source
// "UncompressString", number = base of user-defined object errors plus the
// absolute value of zlib's result, and the description for that result.
class ZlibError : public std::runtime_error {
public:
    static constexpr std::int32_t kObjectErrorBase = -2147221504;

    explicit ZlibError(int zlibResult);

    const char* Source() const { return "UncompressString"; }
    std::int32_t Number() const { return number_; }
    int ZlibResult() const { return zlibResult_; }

private:
    int zlibResult_;
    std::int32_t number_;
};

// The unpacked data, exactly as many bytes as the stored length says. Throws
// ZlibError: with zlib's memory error for a stored length the packed data
// could never hold (beyond deflate's greatest ratio, or above
// kLargestUnpacked), before anything is allocated; with zlib's data error
// when the data unpacks to fewer bytes than stored, which is damage, not
// padding.
std::string UncompressString(std::string_view packed);

// The largest unpacked string accepted: far above any speech clip.
inline constexpr std::int32_t kLargestUnpacked = 64 * 1024 * 1024;

}  // namespace orvik
