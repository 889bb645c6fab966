// The commands that write a wave: a word's clip, and a text read aloud.
#include <gtest/gtest.h>

#include <filesystem>

#include "clip_database.h"
#include "command.h"
#include "formats/wave_image.h"
#include "lookup/clip_fixture.h"
#include "run_command.h"
#include "temp_dir.h"
#include "wave.h"

namespace orvik::cli {
namespace {

using orvik::testing::ClipFixture;
using testing::FileBytes;
using testing::Outcome;
using testing::RunCommand;

namespace fs = std::filesystem;

TEST(ClipCommand, WritesTheUnpackedWaveOfTheWordOrFailsClearly) {
    const orvik::testing::TempDir dir("orvik-clip");
    const std::string wave = mkdata::RiffWave8({0, 1000, -1000, 20000, -20000}, 11025);
    mkdata::ClipDatabase db(dir / "doctv.MDB");
    db.Add("người", "", wave);
    db.Commit();
    const std::string data = dir.path().string(), out = (dir / "out.wav").string();

    const Outcome none = RunCommand(RunClip, {"--data", data, "xyz", "--out", out});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no clip for 'xyz'"), std::string::npos) << none.err;
    const Outcome noDb = RunCommand(RunClip, {"--data", (dir / "nowhere").string(), "người", "--out", out});
    EXPECT_EQ(noDb.status, 1);
    EXPECT_NE(noDb.err.find("doctv.MDB"), std::string::npos) << noDb.err;
    EXPECT_FALSE(fs::exists(out));

    const Outcome o = RunCommand(RunClip, {"--data", data, "người", "--out", out});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(FileBytes(out), wave);
}

// The words of the command line are read as one text; which clips the
// popup plays for it is the popup's own rule. They are joined into one wave.
TEST(SpeakCommand, JoinsTheClipsThePopupPlaysIntoOneWave) {
    const ClipFixture clips({{"nam", ""}, {"quốc", ""}, {"cach0", ""}});
    const fs::path out = fs::path(clips.Dir()) / "out.wav";
    const Outcome o = RunCommand(RunSpeak, {"--data", clips.Dir(), "Nam,", "quốc", "--out", out.string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string wave = FileBytes(out);
    const WaveParse parse = ParseWaveImage(wave);
    ASSERT_TRUE(parse.ok) << parse.error;
    EXPECT_EQ(parse.image.format, (WaveFormat{WaveEncoding::UnsignedInt8, 1, 11025}));
    std::string samples;
    for (const auto& clip : clips.Waves({"nam", "cach0", "quốc"})) samples += ParseWaveImage(clip).image.samples;
    EXPECT_EQ(parse.image.samples, samples);
    EXPECT_EQ(o.out, out.string() + ": 3 clips, 2 ms, " + std::to_string(wave.size()) + " bytes\n");
}

TEST(SpeakCommand, FailsClearlyWhenNothingCanBeRead) {
    const ClipFixture clips({{"nam", ""}});
    const fs::path out = fs::path(clips.Dir()) / "out.wav";
    struct Case { std::string dataDir, text, error; };
    const Case cases[] = {
        {(fs::path(clips.Dir()) / "nowhere").string(), "nam", "doctv.MDB"},
        {clips.Dir(), "漢字 2000", "nothing in the text is read aloud"},
    };
    for (const Case& c : cases) {
        const Outcome o = RunCommand(RunSpeak, {"--data", c.dataDir, c.text, "--out", out.string()});
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find(c.error), std::string::npos) << o.err;
        EXPECT_FALSE(fs::exists(out));
    }
}

}  // namespace
}  // namespace orvik::cli
