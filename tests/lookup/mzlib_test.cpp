#include "lookup/mzlib.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace orvik {
namespace {

std::string Compressed(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
             static_cast<uLong>(data.size()));
    out.resize(size);
    return out;
}

std::string Packed(std::size_t storedLength, const std::string& data, char separator = ' ') {
    return std::to_string(storedLength) + separator + Compressed(data);
}

TEST(UncompressString, ReturnsExactlyTheStoredLength) {
    const std::string data = "RIFF\x24\0\0\0WAVEfmt " + std::string(200, '\x7f');
    EXPECT_EQ(UncompressString(Packed(data.size(), data)), data);
    EXPECT_EQ(UncompressString(Packed(data.size(), data, '\xff')), data);
    EXPECT_EQ(UncompressString(Packed(10, "0123456789")), "0123456789");
    // The greatest ratio deflate reaches still unpacks.
    const std::string zeros(4'000'000, '\0');
    EXPECT_EQ(UncompressString(Packed(zeros.size(), zeros)), zeros);
}

TEST(UncompressString, ReportsZlibFailuresWithTheirNumbers) {
    struct Case { std::string packed; std::int32_t number; std::string description; };
    std::string damaged = Packed(10, "0123456789");
    damaged[5] = static_cast<char>(damaged[5] ^ 0x55);
    const Case cases[] = {
        {Packed(9, "0123456789"), -2147221499, "Insufficient space in output buffer to uncompress string"},
        // A stored length beyond what the data unpacks to is damage.
        {Packed(12, "0123456789"), -2147221501, "Cannot uncompress corrupt data"},
        // Lengths the packed data could never hold are refused before any
        // memory is taken.
        {Packed(2147483647, "0123456789"), -2147221500, "Insufficient memory to uncompress string"},
        {Packed(200'000, "0123456789"), -2147221500, "Insufficient memory to uncompress string"},
        {damaged, -2147221501, "Cannot uncompress corrupt data"},
        // No length: an empty buffer, which this zlib reports as a damaged stream.
        {"x " + Compressed("abc"), -2147221501, "Cannot uncompress corrupt data"},
    };
    for (const auto& c : cases) {
        try {
            UncompressString(c.packed);
            ADD_FAILURE() << "no error for " << c.description;
        } catch (const ZlibError& e) {
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_EQ(e.what(), c.description);
            EXPECT_STREQ(e.Source(), "UncompressString");
        }
    }
    EXPECT_EQ(ZlibError(-4).Number(), -2147221500);
    EXPECT_STREQ(ZlibError(-4).what(), "Insufficient memory to uncompress string");
    EXPECT_STREQ(ZlibError(-6).what(), "Unknown error during uncompress operation");
}

}  // namespace
}  // namespace orvik
