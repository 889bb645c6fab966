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

// The unpacked data, exactly as many bytes as the stored length says; a stored
// length larger than the data leaves the rest as spaces. Throws ZlibError.
std::string UncompressString(std::string_view packed);

}  // namespace orvik
