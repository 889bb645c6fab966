#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formats/tiny_chm.h"
#include "run_command.h"
#include "temp_dir.h"

namespace orvik::cli {
namespace {

namespace fs = std::filesystem;
using testing::RunCommand;

class PageCommandTest : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(dir_ / "tiny.chm", std::ios::binary) << orvik::testing::TinyChmBytes(); }
    orvik::testing::TempDir dir_{"orvik-pagecmd"};
};

TEST_F(PageCommandTest, PrintsThePageAnAddressShows) {
    const auto run = RunCommand(RunPage, {"--data", dir_.path().string(), "its:tiny.chm::html\\p7.htm"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, orvik::testing::TinyChmPage(7));
}

// Why the page reader refused the page, or that the address is none of its.
TEST_F(PageCommandTest, SaysWhyAPageCannotBeShown) {
    struct Case {
        const char* address;
        const char* says;
    };
    const Case cases[] = {
        {"its:missing.chm::/html/p1.htm", "missing.chm: cannot be opened"},
        {"http://example.org/", "not an its:FILE::PATH address"},
    };
    for (const Case& c : cases) {
        const auto run = RunCommand(RunPage, {"--data", dir_.path().string(), c.address});
        EXPECT_EQ(run.status, 1) << c.address;
        EXPECT_TRUE(run.out.empty()) << c.address;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.address << ": " << run.err;
    }
}

TEST_F(PageCommandTest, RefusesBadCommandLines) {
    for (const Args& args : {Args{}, Args{"--data"}, Args{"--size", "its:a::/b"}, Args{"its:a::/b", "its:c::/d"}})
        EXPECT_EQ(RunCommand(RunPage, args).status, kUsageError);
}

}  // namespace
}  // namespace orvik::cli
