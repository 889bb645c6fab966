// The program's working directory: links to the data files, renamed
// dictionaries kept under their ".chm" names, the data directory untouched.
#include "working_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace orvik::desktop {
namespace {

namespace fs = std::filesystem;

struct Folders {
    testing::TempDir root{"orvik-work"};
    fs::path data = root / "data";
    fs::path home = root / "home";
    fs::path work = home / "orvik2004" / "work";
    Folders() {
        fs::create_directories(data);
        for (const char* name : {"telexhan.idx", "hvtdu.dat", "orvhelp.chm", "temp.htm"}) std::ofstream(data / name) << name;
    }
};

TEST(WorkingDirectory, LinksTheDataFilesButNotThePageFile) {
    Folders f;
    const auto working = PrepareWorkingDirectory(f.data.string(), f.home.string());
    ASSERT_EQ(working.path, f.work.string()) << working.problem;
    for (const char* name : {"telexhan.idx", "hvtdu.dat", "orvhelp.chm"}) {
        EXPECT_TRUE(fs::is_symlink(f.work / name)) << name;
        EXPECT_EQ(fs::read_symlink(f.work / name), fs::canonical(f.data) / name);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(f.work / "temp.htm")));
}

// A later start, perhaps on another data directory, points the links there
// and keeps the renamed dictionary's name; the user's own files stay.
TEST(WorkingDirectory, ALaterStartRepointsLinksAndKeepsRenamedDictionaries) {
    Folders f;
    ASSERT_FALSE(PrepareWorkingDirectory(f.data.string(), f.home.string()).path.empty());
    fs::rename(f.work / "hvtdu.dat", f.work / "hvtdu.chm");  // as the program's start-up does
    std::ofstream(f.work / "temp.htm") << "page";
    const fs::path other = f.root / "other";
    fs::create_directories(other);
    for (const char* name : {"telexhan.idx", "hvtdu.dat", "temp.htm"}) std::ofstream(other / name) << "new";
    ASSERT_FALSE(PrepareWorkingDirectory(other.string(), f.home.string()).path.empty());
    EXPECT_EQ(fs::read_symlink(f.work / "hvtdu.chm"), fs::canonical(other) / "hvtdu.dat");
    EXPECT_FALSE(fs::exists(fs::symlink_status(f.work / "hvtdu.dat")));
    EXPECT_EQ(fs::read_symlink(f.work / "telexhan.idx"), fs::canonical(other) / "telexhan.idx");
    EXPECT_FALSE(fs::is_symlink(f.work / "temp.htm"));
    EXPECT_EQ(fs::file_size(f.data / "temp.htm"), 8u);  // the data directory is never written
}

TEST(WorkingDirectory, AMissingDataDirectoryIsSaid) {
    Folders f;
    const auto working = PrepareWorkingDirectory((f.root / "missing").string(), f.home.string());
    EXPECT_TRUE(working.path.empty());
    EXPECT_NE(working.problem.find("cannot use the data directory"), std::string::npos);
}

}  // namespace
}  // namespace orvik::desktop
