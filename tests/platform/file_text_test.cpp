// How a text file's bytes become text: UTF-8 with a few bad bytes stays
// UTF-8, named on the log with its file; 8-bit text stays one character per
// byte.
#include <gtest/gtest.h>

#include "doubles/memory_files.h"

namespace orvik {
namespace {

TEST(FileText, AFewBadBytesInUtf8ReadAsReplacementsNotAsEightBitText) {
    std::string readings;
    for (int i = 0; i < 20; ++i) readings += "a440:nh\xe1\xba\xa5t\\";
    const std::tuple<std::string, FileEncoding, std::u16string, std::size_t> cases[] = {
        {readings, FileEncoding::Utf8, u"a440:nhất\\", 0},
        {"\xff" + readings, FileEncoding::Utf8, u"\uFFFDa440:nhất\\", 1},
        {"nh\xd5t b\xb5i", FileEncoding::Utf8, u"nh\u00d5t b\u00b5i", 0},  // TCVN3: no UTF-8 at all
        {readings, FileEncoding::Bytes, u"a440:nh\u00e1\u00ba\u00a5t", 0},
    };
    for (const auto& [bytes, encoding, start, bad] : cases) {
        const DecodedText decoded = DecodeFileText(bytes, encoding);
        EXPECT_EQ(decoded.text.substr(0, start.size()), start);
        EXPECT_EQ(decoded.badBytes, bad);
    }

    std::vector<std::string> calls;
    MemoryFiles files(calls);
    files.SetFile("/program/phienam.txt", "\xff" + readings);
    EXPECT_TRUE(files.ReadText("/program/phienam.txt", FileEncoding::Utf8).ok);
    EXPECT_EQ(files.Logged(), std::vector<std::string>{"/program/phienam.txt: 1 bytes that are not UTF-8, read as U+FFFD"});
}

}  // namespace
}  // namespace orvik
