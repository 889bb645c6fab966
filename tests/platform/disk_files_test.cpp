// Whole-file reads and writes in a working folder someone else may have
// tampered with: a link to another file, a FIFO, a folder at the name.
#include "platform/disk_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "temp_dir.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

std::string Content(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Put(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(DiskFiles, AWriteReplacesWhatIsAtTheNameAndNeverWritesThroughIt) {
    struct Case {
        const char* name;
        void (*prepare)(const fs::path& page, const fs::path& elsewhere);
    };
    const Case cases[] = {
        {"nothing", [](const fs::path&, const fs::path&) {}},
        {"an old page", [](const fs::path& page, const fs::path&) { Put(page, "old"); }},
        {"a link to another file", [](const fs::path& page, const fs::path& elsewhere) { fs::create_symlink(elsewhere, page); }},
        {"a link to nowhere", [](const fs::path& page, const fs::path& elsewhere) { fs::create_symlink(elsewhere / "gone", page); }},
        {"a FIFO", [](const fs::path& page, const fs::path&) { ASSERT_EQ(mkfifo(page.c_str(), 0600), 0); }},
    };
    for (const Case& c : cases) {
        testing::TempDir dir;
        const fs::path page = dir / "temp.htm", elsewhere = dir / "hvtdu.dat";
        Put(elsewhere, "dictionary");
        c.prepare(page, elsewhere);
        EXPECT_TRUE(WriteDiskFile(page.string(), "page")) << c.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(page))) << c.name;
        EXPECT_EQ(Content(page), "page") << c.name;
        EXPECT_EQ(Content(elsewhere), "dictionary") << c.name;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2) << c.name;
    }
}

TEST(DiskFiles, OnlyARegularFileIsReadAndAFifoDoesNotWait) {
    testing::TempDir dir;
    Put(dir / "page", "bytes");
    fs::create_symlink(dir / "page", dir / "link");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_directory(dir / "folder");
    struct Case {
        const char* name;
        bool ok;
        const char* result;  // the bytes, or the reason
    };
    const Case cases[] = {
        {"page", true, "bytes"},
        {"link", true, "bytes"},
        {"fifo", false, "not a regular file"},
        {"folder", false, "not a regular file"},
        {"missing", false, "file not found"},
    };
    for (const Case& c : cases) {
        const FileBytes read = ReadDiskFile((dir / c.name).string());
        EXPECT_EQ(read.ok, c.ok) << c.name;
        EXPECT_EQ(c.ok ? read.bytes : read.reason, c.result) << c.name;
    }
    EXPECT_FALSE(WriteDiskFile((dir / "folder").string(), "page"));
}

}  // namespace
}  // namespace orvik
