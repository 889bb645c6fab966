#include <gtest/gtest.h>

#include "command.h"
#include "run_command.h"

namespace orvik::cli {
namespace {

using testing::Outcome;
using testing::RunCommand;

Outcome Compose(const Args& args, const std::string& input = {}) { return RunCommand(RunCompose, args, input); }

TEST(ComposeCommand, PrintsOneLinePerWordInTheChosenCode) {
    struct Case { Args args; std::string out; };
    const Case cases[] = {
        {{"--code", "tcvn3", "Haf"}, "48 B5\tHà\n"},
        {{"--code", "vni", "hoaf"}, "68 6F F8 61\thòa\n"},
        {{"nguwowif"}, "người\n"},
        {{"--code", "unicode", "hoaf", "dduwowcj"}, "hòa\nđược\n"},
        {{"--code", "vietware", "aws"}, "E0 F5\tắ\n"},
        {{"--code", "tcvn3", "𠊛"}, "3F\t?\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = Compose(c.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, c.out);
    }
}

TEST(ComposeCommand, ReadsWordsFromStandardInput) {
    const Outcome run = Compose({"--code", "tcvn3"}, "Haf\r\nnguwowif\n\nVieetj");
    EXPECT_EQ(run.out, "48 B5\tHà\n6E 67 AD EA 69\tngười\n\t\n56 69 D6 74\tViệt\n");
}

TEST(ComposeCommand, RejectsUnknownCodesAndOptions) {
    for (const Args& args : {Args{"--code", "utf7", "a"}, Args{"--code"}, Args{"--fast", "a"}}) {
        const Outcome run = Compose(args);
        EXPECT_EQ(run.status, kUsageError);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("orvik:"), std::string::npos);
    }
}

}  // namespace
}  // namespace orvik::cli
