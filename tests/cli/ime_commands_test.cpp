#include <gtest/gtest.h>

#include "command.h"
#include "run_command.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

const std::string kData = ORVIK_FIXTURES "/ime";

Outcome Invoke(int (*command)(const Args&, Streams), const Args& args) { return RunCommand(command, args); }

TEST(CandidatesCommand, PrintsThePagesOfEachTypedCode) {
    const Outcome run = Invoke(RunCandidates, {"--data", kData, "--mode", "telex-nom", "MOOTJ", "trong", "x"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "MOOTJ:\n  1.1  一  U+4E00\n  1.2  𠀋  U+2000B\n  1.3  二  U+4E8C\n  1.4  𠮟  U+20B9F\n  ! End\n"
              "trong:\n  ! End\n"
              "x:\n  no candidates\n");
}

TEST(LookupCommand, PrintsBig5VariantPageAndReading) {
    const Outcome run = Invoke(RunLookup, {"--data", kData, "二"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "character  二  U+4E8C (20108)\nbig5       a4a5\nvariant    page under 一  U+4E00\n"
              "page       its:hvtdu.chm::/html\\hv20108.htm\nreading    nhị  [phienam.txt]\n");
}

TEST(ImeCommands, ExplainMissingDataAndBadArguments) {
    const Outcome noData = Invoke(RunCandidates, {"--data", kData + "/none", "--mode", "pinyin", "yi1"});
    EXPECT_EQ(noData.status, 1);
    EXPECT_NE(noData.err.find("run ./test or ./run"), std::string::npos);
    for (const Args& args : {Args{"--mode", "vni", "a"}, Args{"a"}, Args{"--mode", "pinyin"}}) {
        EXPECT_EQ(Invoke(RunCandidates, args).status, kUsageError);
    }
    EXPECT_EQ(Invoke(RunLookup, {"--data", kData, "U+XYZ"}).status, kUsageError);
}

}  // namespace
}  // namespace orvik::cli
