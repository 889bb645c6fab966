#include <gtest/gtest.h>

#include "command.h"
#include "ime_request.h"
#include "run_command.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

const std::string kData = ORVIK_FIXTURES "/ime";

Outcome Type(const Args& args, const std::string& input = {}) { return RunCommand(RunType, args, input); }

TEST(TypeCommand, PrintsTheBoxItsReadingTheCountAndThePageShown) {
    std::string page;
    for (int i = 0; i < 10; ++i) page += (i ? "." : "") + CharacterOf(0x6C00 + i);
    const Outcome run = Type({"--data", kData, "--code", "tcvn3", "hoaf", "space"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "68 DF 61 20\thòa \tTìm thấy 15 chữ\n  " + page + "\n");

    // Unicode is typed in the box in VietWare-X.
    EXPECT_EQ(Type({"--data", kData, "hoaf"}).out.substr(0, 17), "68 6F EC 61\thòa\t");
}

TEST(TypeCommand, EachLineOfInputIsOneFreshRunOfOneLine) {
    const Outcome run = Type({"--data", kData, "--code", "tcvn3"}, "hoaf space\nky\nX!\n\n");
    EXPECT_EQ(run.out, "68 DF 61 20\thòa \tTìm thấy 15 chữ\n6B 79\tky\tTìm thấy 3 chữ\n\n\t\t\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("'X!'"), std::string::npos);
}

// Each key composes the whole box again: a run is bounded.
TEST(TypeCommand, ARunTakesAtMostAThousandKeys) {
    EXPECT_EQ(Type({"--data", kData, std::string(1000, 'a')}).status, 0);
    const Outcome run = Type({"--data", kData, std::string(1001, 'a')});
    EXPECT_EQ(run.status, kUsageError);
    EXPECT_NE(run.err.find("at most 1000 keys"), std::string::npos) << run.err;
}

TEST(TypeCommand, RejectsCodesAndKeysItDoesNotKnow) {
    for (const Args& args : {Args{"--data", kData, "--code", "utf8", "a"}, Args{"--data", kData, "a-b"},
                             Args{"--data", kData, "--code"}, Args{"--mode", "vni", "a"}}) {
        const Outcome run = Type(args);
        EXPECT_EQ(run.status, kUsageError);
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
}  // namespace orvik::cli
