#include <gtest/gtest.h>

#include <filesystem>

#include "command.h"
#include "formats/wave_image.h"
#include "lookup/clip_fixture.h"
#include "run_command.h"

namespace orvik::cli {
namespace {

using orvik::testing::ClipFixture;
using testing::Outcome;
using testing::FileBytes;
using testing::RunCommand;

namespace fs = std::filesystem;

Outcome Speak(const Args& args) { return RunCommand(RunSpeak, args); }

// The sound of the clips, one after another.
std::string SamplesOf(const std::vector<std::string>& waves) {
    std::string samples;
    for (const auto& wave : waves) samples += ParseWaveImage(wave).image.samples;
    return samples;
}

class SpeakCommand : public ::testing::Test {
protected:
    SpeakCommand() : clips_({{"nam", ""}, {"quốc", ""}, {"cach0", ""}}) {}

    fs::path Out() const { return fs::path(clips_.Dir()) / "out.wav"; }

    ClipFixture clips_;
};

TEST_F(SpeakCommand, ReadsAtMostAThousandWords) {
    Args args{"--data", clips_.Dir(), "--out", Out().string()};
    for (int i = 0; i < 1001; ++i) args.push_back("nam");
    const Outcome o = Speak(args);
    EXPECT_EQ(o.status, kUsageError);
    EXPECT_NE(o.err.find("at most 1000 words"), std::string::npos) << o.err;
    EXPECT_FALSE(fs::exists(Out()));
}

// The words of the command line are read as one text; which clips the
// popup plays for it is the popup's own rule.
TEST_F(SpeakCommand, JoinsTheClipsThePopupPlaysIntoOneWave) {
    const Outcome o = Speak({"--data", clips_.Dir(), "Nam,", "quốc", "--out", Out().string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string wave = FileBytes(Out());
    const WaveParse parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.format, (WaveFormat{WaveEncoding::UnsignedInt8, 1, 11025}));
    EXPECT_EQ(parse.image.samples, SamplesOf(clips_.Waves({"nam", "cach0", "quốc"})));
    EXPECT_EQ(o.out, Out().string() + ": 3 clips, 2 ms, " + std::to_string(wave.size()) + " bytes\n");
}

TEST_F(SpeakCommand, FailsClearlyWhenNothingCanBeRead) {
    struct Case { std::string dataDir; std::string text; std::string error; };
    const Case cases[] = {
        {(fs::path(clips_.Dir()) / "nowhere").string(), "nam", "doctv.MDB"},
        {clips_.Dir(), "漢字 2000", "nothing in the text is read aloud"},
    };
    for (const Case& c : cases) {
        const Outcome o = Speak({"--data", c.dataDir, c.text, "--out", Out().string()});
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find(c.error), std::string::npos) << o.err;
        EXPECT_FALSE(fs::exists(Out()));
    }
}

// Its command line is read as the clip command's, whose tests take each
// of its faults.
TEST(SpeakCommandUsage, NeedsTextAndAnOutputFile) {
    for (const Args& args : {Args{"nam"}, Args{"--out", "x.wav"}}) EXPECT_EQ(Speak(args).status, kUsageError);
}

}  // namespace
}  // namespace orvik::cli
