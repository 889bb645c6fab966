// The program's working directory: links to the data files, renamed
// dictionaries kept under their ".chm" names, the data directory untouched;
// and the start-up, which asks about a running instance before it touches
// the working directory.
#include "working_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "start_folder.h"
#include "temp_dir.h"

namespace orvik::desktop {
namespace {

namespace fs = std::filesystem;

// Data folders "data" and "other" and the user's data home.
struct Folders {
    testing::TempDir root{"orvik-work"};
    fs::path home = root / "home";
    fs::path work = home / "orvik2004" / "work";
    Folders() {
        for (const char* folder : {"data", "other"}) {
            fs::create_directories(root / folder);
            for (const char* name : {"telexhan.idx", "hvtdu.dat", "orvhelp.chm", "temp.htm"})
                std::ofstream(root / folder / name) << folder;
        }
    }
    WorkingDirectory Prepare(const char* data) { return PrepareWorkingDirectory((root / data).string(), home.string()); }
};

// Every data file but the page file is linked. A later start, perhaps on
// another data directory, points the links there and keeps the renamed
// dictionary's name; the user's own files stay.
TEST(WorkingDirectory, LinksTheDataFilesAndALaterStartRepointsThem) {
    Folders f;
    const auto first = f.Prepare("data");
    ASSERT_EQ(first.path, f.work.string()) << first.problem;
    for (const char* name : {"telexhan.idx", "hvtdu.dat", "orvhelp.chm"})
        EXPECT_EQ(fs::read_symlink(f.work / name), fs::canonical(f.root / "data") / name) << name;
    EXPECT_FALSE(fs::exists(fs::symlink_status(f.work / "temp.htm")));

    fs::rename(f.work / "hvtdu.dat", f.work / "hvtdu.chm");  // as the program's start-up does
    std::ofstream(f.work / "temp.htm") << "page";
    ASSERT_FALSE(f.Prepare("other").path.empty());
    const fs::path other = fs::canonical(f.root / "other");
    EXPECT_EQ(fs::read_symlink(f.work / "hvtdu.chm"), other / "hvtdu.dat");
    EXPECT_FALSE(fs::exists(fs::symlink_status(f.work / "hvtdu.dat")));
    EXPECT_EQ(fs::read_symlink(f.work / "telexhan.idx"), other / "telexhan.idx");
    EXPECT_FALSE(fs::is_symlink(f.work / "temp.htm"));
    EXPECT_EQ(fs::file_size(f.root / "data" / "temp.htm"), 4u);  // the data directory is never written
}

TEST(WorkingDirectory, AMissingDataDirectoryIsSaid) {
    Folders f;
    const auto working = f.Prepare("missing");
    EXPECT_TRUE(working.path.empty());
    EXPECT_NE(working.problem.find("cannot use the data directory"), std::string::npos);
}

// A second start leaves the running instance's links alone. That the lock
// goes when an instance ends is the platform's test.
TEST(StartFolder, ASecondStartFindsTheRunningInstanceAndLeavesItsFolderAlone) {
    Folders f;
    fs::create_directory(f.root / "runtime");  // so that no running program of the user's is seen
    fs::permissions(f.root / "runtime", fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", (f.root / "runtime").c_str(), 1);
    const auto quiet = [](std::string_view line) { ADD_FAILURE() << line; };
    InstanceLock running(quiet), second(quiet);
    const StartFolder first = PrepareStartFolder(running, (f.root / "data").string(), f.home.string());
    ASSERT_FALSE(first.otherInstanceRuns);
    ASSERT_EQ(first.working.path, f.work.string()) << first.working.problem;
    const StartFolder again = PrepareStartFolder(second, (f.root / "other").string(), f.home.string());
    EXPECT_TRUE(again.otherInstanceRuns);
    EXPECT_TRUE(again.working.path.empty());
    EXPECT_EQ(fs::read_symlink(f.work / "hvtdu.dat"), fs::canonical(f.root / "data") / "hvtdu.dat");
    ::unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace orvik::desktop
