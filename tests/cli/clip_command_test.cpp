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

// A folder that does not exist as the output's, so that a fault lets no
// command line write.
TEST(ClipCommandUsage, NeedsOneWordAndAnOutputFile) {
    for (const Args& args : {Args{"người"}, Args{"--out", "/none/x.wav"}, Args{"a", "b", "--out", "/none/x.wav"},
                             Args{"--bogus", "--out", "/none/x.wav"}, Args{"a", "--out", "/none/x.wav", "--data"}})
        EXPECT_EQ(Clip(args).status, kUsageError);
}

}  // namespace
}  // namespace orvik::cli
