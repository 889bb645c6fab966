#include <gtest/gtest.h>

#include "clip_database.h"
#include "lookup/mzlib.h"
#include "wave.h"

namespace orvik::mkdata {
namespace {

TEST(Wave, TrimKeepsTheFadeOutAfterTheLastLoudSample) {
    const Samples s = {0, 900, -50, 500, 10, -10, 0, 0};
    EXPECT_EQ(TrimTrailingSilence(s, 400, 0), (Samples{0, 900, -50, 500}));
    EXPECT_EQ(TrimTrailingSilence(s, 400, 2), (Samples{0, 900, -50, 500, 10, -10}));
    EXPECT_EQ(TrimTrailingSilence(s, 400, 100), s);
    EXPECT_TRUE(TrimTrailingSilence(Samples(5, 0), 400, 0).empty());
}

TEST(Wave, HalvingAveragesPairs) {
    EXPECT_EQ(HalveRate({100, 300, -32768, -32768, 7}), (Samples{200, -32768}));
}

TEST(Wave, RiffHeaderDescribes8BitMonoAndPadsOddData) {
    const std::string wav = RiffWave8({0, 32767, -32768}, 11025);
    ASSERT_EQ(wav.size(), 44u + 4u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(static_cast<unsigned char>(wav[4]), 40);  // file size - 8
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(static_cast<unsigned char>(wav[24]) | (static_cast<unsigned char>(wav[25]) << 8), 11025);
    EXPECT_EQ(wav[34], 8);
    EXPECT_EQ(static_cast<unsigned char>(wav[40]), 3);  // data size without the pad
    EXPECT_EQ(static_cast<unsigned char>(wav[44]), 128);
    EXPECT_EQ(static_cast<unsigned char>(wav[45]), 255);
    EXPECT_EQ(static_cast<unsigned char>(wav[46]), 0);
}

TEST(PackString, UnpacksToTheSameBytes) {
    const std::string data = RiffWave8(Samples(3000, 1234), 11025);
    const std::string packed = PackString(data);
    EXPECT_EQ(packed.substr(0, 5), "3044 ");
    EXPECT_EQ(UncompressString(packed), data);
}

}  // namespace
}  // namespace orvik::mkdata
