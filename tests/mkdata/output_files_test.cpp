// What the builder writes: the compiled help files, their pages' text and
// the clips of the spoken syllables.
#include <gtest/gtest.h>

#include "build_error.h"
#include "chm_compiler.h"
#include "clip_database.h"
#include "dictionary_pages.h"
#include "formats/tiny_chm.h"
#include "formats/wave_image.h"
#include "lookup/mzlib.h"
#include "unihan_sample.h"
#include "wave.h"

namespace orvik::mkdata {
namespace {

TEST(ChmCompiler, RepairSetsTheFirstListingBlockToZero) {
    std::string bytes = "ITSF" + std::string(0x74, 'x') + "ITSP" + std::string(0x20, 'y') + "\x01\x00\x00\x00" + "z";
    RepairListing(bytes);
    EXPECT_EQ(bytes.substr(0x98, 4), std::string(4, '\0'));
    EXPECT_EQ(bytes.substr(0x78, 4), "ITSP");
    EXPECT_EQ(bytes.back(), 'z');
    std::string notChm = "HTML" + std::string(0x100, ' ');
    EXPECT_THROW(RepairListing(notChm), BuildError);
}

// The help file of a few hundred pages, compiled and checked page by page
// when the tests start, is the check's own test; a page the file lacks is
// caught, and a compiler that fails stops the build.
TEST(ChmCompiler, APageTheFileLacksAndAFailingCompilerStopTheBuild) {
    ChmProject project = testing::TinyChmProject();
    project.pages.push_back({"html/absent.htm", "x"});
    EXPECT_THROW(CheckChm(testing::TinyChm(), project), BuildError);
    const testing::TempDir work("orvik-chmfail");
    EXPECT_THROW(CompileChm({"x", "x", "a.htm", {{"a.htm", "a"}}}, work.path(), "false"), BuildError);
}

TEST(DictionaryPages, ClassicalTextsAreReadWithTheFirstReading) {
    EXPECT_EQ(ReadingsOf(SampleCharacters(), U"一們\U0002029B口"), "nhất môn người ?");
}

TEST(Wave, TrimKeepsTheFadeOutAfterTheLastLoudSampleAndHalvingAveragesPairs) {
    const Samples s = {0, 900, -50, 500, 10, -10, 0, 0};
    EXPECT_EQ(TrimTrailingSilence(s, 400, 0), (Samples{0, 900, -50, 500}));
    EXPECT_EQ(TrimTrailingSilence(s, 400, 2), (Samples{0, 900, -50, 500, 10, -10}));
    EXPECT_EQ(TrimTrailingSilence(s, 400, 100), s);
    EXPECT_TRUE(TrimTrailingSilence(Samples(5, 0), 400, 0).empty());
    EXPECT_EQ(HalveRate({100, 300, -32768, -32768, 7}), (Samples{200, -32768}));
}

// Samples go to 8 bits; an odd count is padded, its pad outside the sound.
// A packed clip unpacks to the same bytes.
TEST(Wave, RiffFileHolds8BitMonoAndPadsOddData) {
    const std::string wav = RiffWave8({0, 32767, -32768}, 11025);
    EXPECT_EQ(wav.size(), 44u + 4u);
    EXPECT_EQ(wav.substr(4, 4), std::string("\x28\0\0\0", 4));  // the file's size less 8
    const WaveParse parse = ParseWaveImage(wav);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.format, (WaveFormat{WaveEncoding::UnsignedInt8, 1, 11025}));
    EXPECT_EQ(parse.image.samples, std::string("\x80\xff\x00", 3));

    const std::string data = RiffWave8(Samples(3000, 1234), 11025);
    const std::string packed = PackString(data);
    EXPECT_EQ(packed.substr(0, 5), "3044 ");
    EXPECT_EQ(UncompressString(packed), data);
}

}  // namespace
}  // namespace orvik::mkdata
