#include <gtest/gtest.h>

#include <filesystem>

#include "clip_database.h"
#include "command.h"
#include "run_command.h"
#include "temp_dir.h"
#include "wave.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::FileBytes;
using testing::RunCommand;

namespace fs = std::filesystem;

Outcome Clip(const Args& args) { return RunCommand(RunClip, args); }

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

class ClipCommand : public ::testing::Test {
protected:
    void SetUp() override {
        wave_ = mkdata::RiffWave8({0, 1000, -1000, 20000, -20000}, 11025);
        mkdata::ClipDatabase db(dir_ / "doctv.MDB");
        db.Add("người", "", wave_);
        db.Add("cach1", "cach1", mkdata::RiffWave8(mkdata::Silence(11025, 10), 11025));
        db.Commit();
    }

    orvik::testing::TempDir dir_{"orvik-clip"};
    std::string wave_;
};

TEST_F(ClipCommand, WritesTheUnpackedWaveOfTheWord) {
    const fs::path out = dir_ / "nguoi.wav";
    const Outcome o = Clip({"--data", dir_.path().string(), "người", "--out", out.string()});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(FileBytes(out), wave_);
}

TEST_F(ClipCommand, FailsClearlyWithoutClipOrDatabase) {
    const Outcome none = Clip({"--data", dir_.path().string(), "xyz", "--out", (dir_ / "x.wav").string()});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no clip for 'xyz'"), std::string::npos);
    const Outcome noDb = Clip({"--data", (dir_ / "nowhere").string(), "người", "--out", (dir_ / "x.wav").string()});
    EXPECT_EQ(noDb.status, 1);
    EXPECT_NE(noDb.err.find("doctv.MDB"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir_ / "x.wav"));
}

TEST(ClipCommandUsage, NeedsOneWordAndAnOutputFile) {
    for (const Args& args : {Args{"người"}, Args{"--out", "x.wav"}, Args{"a", "b", "--out", "x.wav"},
                             Args{"--bogus", "a", "--out", "x.wav"}, Args{"a", "--out"}})
        EXPECT_EQ(Clip(args).status, kUsageError);
}

// Integration: the clip of "người" in the generated data is a valid RIFF WAVE.
TEST(ClipCommandOnBuiltData, NguoiUnpacksToAValidWave) {
    const orvik::testing::TempDir dir("orvik-nguoi");
    const Outcome o = Clip({"--data", ORVIK_DATA_DIR, "người", "--out", (dir / "nguoi.wav").string()});
    ASSERT_EQ(o.status, 0) << o.err;
    const std::string wav = FileBytes(dir / "nguoi.wav");
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32At(wav, 4) + 8, wav.size());
    EXPECT_EQ(wav.substr(36, 4), "data");
    const std::uint32_t rate = U32At(wav, 24), data = U32At(wav, 40);
    EXPECT_LE(44 + data, wav.size());
    const double seconds = static_cast<double>(data) / U32At(wav, 28);
    EXPECT_GT(rate, 8000u);
    EXPECT_GT(seconds, 0.1);  // a spoken syllable, not silence
    EXPECT_LT(seconds, 1.5);
}

}  // namespace
}  // namespace orvik::cli
