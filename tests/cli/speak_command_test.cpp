#include <gtest/gtest.h>

#include <filesystem>

#include "command.h"
#include "lookup/clip_fixture.h"
#include "lookup/clip_store.h"
#include "lookup/mzlib.h"
#include "platform/wave_image.h"
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
    SpeakCommand() : clips_({{"nam", ""}, {"quốc", ""}, {"cach0", ""}, {"cach2", ""}, {"cach1", "cach1"}}) {}

    fs::path Out() const { return fs::path(clips_.Dir()) / "out.wav"; }

    ClipFixture clips_;
};

TEST_F(SpeakCommand, JoinsTheClipsThePopupPlaysIntoOneWave) {
    const Outcome o = Speak({"--data", clips_.Dir(), "Nam,", "quốc", ". ?", "漢", "l'x", "--out", Out().string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string wave = FileBytes(Out());
    const WaveParse parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.format, (WaveFormat{WaveEncoding::UnsignedInt8, 1, 11025}));
    // "Nam," has no clip: punctuation counts only at the start of a word.
    EXPECT_EQ(parse.image.samples, SamplesOf(clips_.Waves({"cach1", "quốc", "cach2", "cach2", "cach1"})));
    EXPECT_EQ(o.out, Out().string() + ": 5 clips, 4 ms, " + std::to_string(wave.size()) + " bytes\n");
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

TEST(SpeakCommandUsage, NeedsTextAndAnOutputFile) {
    for (const Args& args : {Args{"nam"}, Args{"--out", "x.wav"}, Args{"--bogus", "nam", "--out", "x.wav"},
                             Args{"nam", "--out"}, Args{"--data"}})
        EXPECT_EQ(Speak(args).status, kUsageError);
}

// Integration: the generated clips of a line of verse, with the fallback
// clip for its last word, which carries the full stop.
TEST(SpeakCommandOnBuiltData, ReadsALineOfVerse) {
    const orvik::testing::TempDir dir("orvik-speak");
    const Outcome o = Speak({"--data", ORVIK_DATA_DIR, "Nam quốc sơn hà.", "--out", (dir / "verse.wav").string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string wave = FileBytes(dir / "verse.wav");
    ClipStore store(fs::path(ORVIK_DATA_DIR) / ClipStore::kFileName);
    std::vector<std::string> expected;
    for (std::u16string_view word : {u"nam", u"quốc", u"sơn"}) expected.push_back(UncompressString(*store.FindFirst(ClipField::Chu, word)));
    expected.push_back(UncompressString(*store.FindFirst(ClipField::Ghichu, u"cach1")));
    const WaveParse parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.samples, SamplesOf(expected));
    EXPECT_GT(parse.image.DurationMs(), 600u);  // three spoken syllables and a pause
}

}  // namespace
}  // namespace orvik::cli
