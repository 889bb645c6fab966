// The start-up asks about a running instance before it touches the working
// directory, so a second start leaves the running one's links alone.
#include "start_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace orvik::desktop {
namespace {

namespace fs = std::filesystem;

// Data folders "first" and "second" and a runtime folder of the test's own,
// so that no running program of the user's is seen.
struct Start {
    testing::TempDir root{"orvik-start"};
    fs::path home = root / "home";
    fs::path link = home / "orvik2004" / "work" / "hvtdu.dat";
    Start() {
        for (const char* data : {"first", "second", "runtime"}) fs::create_directories(root / data);
        for (const char* data : {"first", "second"}) std::ofstream(root / data / "hvtdu.dat") << data;
        fs::permissions(root / "runtime", fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    }
    ~Start() { ::unsetenv("XDG_RUNTIME_DIR"); }
    StartFolder Prepare(InstanceLock& lock, const char* data) {
        return PrepareStartFolder(lock, (root / data).string(), home.string());
    }
};

InstanceLock QuietLock() {
    return InstanceLock([](std::string_view line) { ADD_FAILURE() << line; });
}

// That an instance's lock goes when it ends, and a later start prepares the
// folder again, are the platform's and the working directory's tests.
TEST(StartFolder, ASecondStartFindsTheRunningInstanceAndLeavesItsFolderAlone) {
    Start s;
    InstanceLock running = QuietLock();
    const StartFolder first = s.Prepare(running, "first");
    ASSERT_FALSE(first.otherInstanceRuns);
    ASSERT_FALSE(first.working.path.empty()) << first.working.problem;
    ASSERT_EQ(fs::read_symlink(s.link), fs::canonical(s.root / "first") / "hvtdu.dat");

    InstanceLock second = QuietLock();
    const StartFolder again = s.Prepare(second, "second");
    EXPECT_TRUE(again.otherInstanceRuns);
    EXPECT_TRUE(again.working.path.empty());
    EXPECT_EQ(fs::read_symlink(s.link), fs::canonical(s.root / "first") / "hvtdu.dat");
}

}  // namespace
}  // namespace orvik::desktop
