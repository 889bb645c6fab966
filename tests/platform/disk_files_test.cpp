// Whole-file reads and writes in a working folder someone else may have
// tampered with: a link to another file, a FIFO, a folder at the name.
#include "platform/disk_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "temp_dir.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(DiskFiles, OnlyARegularFileIsReadAndAFifoDoesNotWait) {
    testing::TempDir dir;
    Put(dir / "page", "bytes");
    fs::create_symlink(dir / "page", dir / "link");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    const std::tuple<const char*, bool, const char*> cases[] = {  // name, read, its bytes or the reason
        {"page", true, "bytes"},
        {"link", true, "bytes"},
        {"fifo", false, "not a regular file"},
        {"folder", false, "not a regular file"},
        {"missing", false, "file not found"},
    };
    for (const auto& [name, ok, result] : cases) {
        const FileBytes read = ReadDiskFile((dir / name).string());
        EXPECT_EQ(read.ok, ok) << name;
        EXPECT_EQ(ok ? read.bytes : read.reason, result) << name;
    }
    EXPECT_FALSE(WriteDiskFile((dir / "folder").string(), "page"));
}

TEST(DiskFiles, AWriteReplacesWhatIsAtTheNameAndNeverWritesThroughIt) {
    enum class At { Nothing, OldPage, LinkToAFile, LinkToNowhere, Fifo };
    for (const At at : {At::Nothing, At::OldPage, At::LinkToAFile, At::LinkToNowhere, At::Fifo}) {
        SCOPED_TRACE(static_cast<int>(at));
        testing::TempDir dir;
        const fs::path page = dir / "temp.htm", elsewhere = dir / "hvtdu.dat";
        Put(elsewhere, "dictionary");
        if (at == At::OldPage) Put(page, "old");
        if (at == At::LinkToAFile) fs::create_symlink(elsewhere, page);
        if (at == At::LinkToNowhere) fs::create_symlink(elsewhere / "gone", page);
        if (at == At::Fifo) ASSERT_EQ(mkfifo(page.c_str(), 0600), 0);

        EXPECT_TRUE(WriteDiskFile(page.string(), "page"));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(page)));
        EXPECT_EQ(ReadDiskFile(page.string()).bytes, "page");
        EXPECT_EQ(ReadDiskFile(elsewhere.string()).bytes, "dictionary");
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    }
}

}  // namespace
}  // namespace orvik
