// How a text file's bytes become text: UTF-8 with a few bad bytes stays
// UTF-8, 8-bit text stays one character per byte.
#include <gtest/gtest.h>

#include "doubles/recording_platform.h"

namespace orvik {
namespace {

std::string Repeated(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

TEST(FileText, AFewBadBytesInUtf8ReadAsReplacementsNotAsEightBitText) {
    const std::string readings = Repeated("a440:nh\xe1\xba\xa5t\\", 20);
    struct Case {
        std::string bytes;
        FileEncoding encoding;
        std::u16string start;
        std::size_t bad;
    };
    const Case cases[] = {
        {readings, FileEncoding::Utf8, u"a440:nhất\\", 0},
        {"\xff" + readings, FileEncoding::Utf8, u"\uFFFDa440:nhất\\", 1},
        // TCVN3 text: high bytes that make no UTF-8.
        {"nh\xd5t b\xb5i", FileEncoding::Utf8, u"nh\u00d5t b\u00b5i", 0},
        {readings, FileEncoding::Bytes, u"a440:nh\u00e1\u00ba\u00a5t", 0},
    };
    for (const auto& c : cases) {
        const DecodedText decoded = DecodeFileText(c.bytes, c.encoding);
        EXPECT_EQ(decoded.text.substr(0, c.start.size()), c.start);
        EXPECT_EQ(decoded.badBytes, c.bad);
    }
}

TEST(FileText, BadBytesAreNamedOnTheLogWithTheFile) {
    RecordingPlatform platform;
    platform.SetFile("/program/phienam.txt", "\xff" + Repeated("a440:nh\xe1\xba\xa5t\\", 20));
    const FileText text = platform.ReadText("/program/phienam.txt", FileEncoding::Utf8);
    EXPECT_TRUE(text.ok);
    EXPECT_EQ(platform.Calls().back(), "LogLine /program/phienam.txt: 1 bytes that are not UTF-8, read as U+FFFD");
}

}  // namespace
}  // namespace orvik
