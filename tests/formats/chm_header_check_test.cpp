#include "formats/chm_header_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <thread>

#include "engine/text.h"
#include "formats/archive_pages.h"
#include "formats/tiny_chm.h"

namespace orvik {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kControlData = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::string_view kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

void Put32(std::string& bytes, std::uint64_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void Put64(std::string& bytes, std::uint64_t at, std::uint64_t value) {
    Put32(bytes, at, static_cast<std::uint32_t>(value));
    Put32(bytes, at + 4, static_cast<std::uint32_t>(value >> 32));
}

// Where the headers and objects of the intact file lie.
struct Places {
    std::uint64_t directory, firstBlock, control, resetTable;
};

Places PlacesOf(const std::string& bytes) {
    ChmMemorySource source(bytes);
    const std::uint64_t directory = ChmU64(bytes, 0x48);
    const std::uint64_t data = ChmU64(bytes, 0x58);
    const ChmDirectory dir{directory + 0x54, ChmU32(bytes, directory + 0x10), ChmU32(bytes, directory + 0x2C),
                           ChmI32(bytes, directory + 0x1C)};
    const auto control = FindChmEntry(source, dir, kControlData);
    const auto reset = FindChmEntry(source, dir, kResetTable);
    EXPECT_TRUE(control && reset);
    return {directory, directory + 0x54, data + (control ? control->start : 0), data + (reset ? reset->start : 0)};
}

struct Damage {
    const char* name;
    void (*apply)(std::string& bytes, const Places& at);
    const char* reason;  // part of the reason given
};

const Damage kDamages[] = {
    {"file signature", [](std::string& b, const Places&) { b[3] = 'X'; }, "ITSF"},
    {"file version", [](std::string& b, const Places&) { Put32(b, 4, 7); }, "version 7"},
    {"file header length", [](std::string& b, const Places&) { Put32(b, 8, 0x10); }, "header length"},
    {"directory offset", [](std::string& b, const Places&) { Put64(b, 0x48, b.size()); }, "directory"},
    {"directory length", [](std::string& b, const Places&) { Put64(b, 0x50, ~0ull - 8); }, "directory"},
    {"content offset", [](std::string& b, const Places&) { Put64(b, 0x58, b.size() + 1); }, "content offset"},
    {"directory signature", [](std::string& b, const Places& at) { b[at.directory] = 'X'; }, "ITSP"},
    {"directory block length 0", [](std::string& b, const Places& at) { Put32(b, at.directory + 0x10, 0); },
     "block length 0"},
    {"huge directory block", [](std::string& b, const Places& at) { Put32(b, at.directory + 0x10, 880803840); },
     "directory block length 880803840 is larger than the file"},
    {"directory block count", [](std::string& b, const Places& at) { Put32(b, at.directory + 0x2C, 5000); },
     "do not fit"},
    {"root block", [](std::string& b, const Places& at) { Put32(b, at.directory + 0x1C, 99); }, "root"},
    {"first block", [](std::string& b, const Places& at) { Put32(b, at.directory + 0x20, 0xFFFFFFFB); }, "first"},
    {"listing free space", [](std::string& b, const Places& at) { Put32(b, at.firstBlock + 4, 0xFFFFFFF0); },
     "free space"},
    {"listing marker", [](std::string& b, const Places& at) { b[at.firstBlock + 3] = 'X'; }, "neither"},
    {"control signature", [](std::string& b, const Places& at) { b[at.control + 4] = 'X'; }, "LZXC"},
    {"control version", [](std::string& b, const Places& at) { Put32(b, at.control + 8, 9); }, "version 9"},
    {"window size 0", [](std::string& b, const Places& at) { Put32(b, at.control + 0x10, 0); }, "window size is 0"},
    {"window size 3", [](std::string& b, const Places& at) { Put32(b, at.control + 0x10, 3); }, "power of two"},
    {"window too large", [](std::string& b, const Places& at) { Put32(b, at.control + 0x10, 128); }, "power of two"},
    {"reset interval 0", [](std::string& b, const Places& at) { Put32(b, at.control + 0xC, 0); }, "interval is 0"},
    {"windows per reset 0", [](std::string& b, const Places& at) { Put32(b, at.control + 0x14, 0); },
     "per reset is 0"},
    {"reset table version", [](std::string& b, const Places& at) { Put32(b, at.resetTable, 1); }, "version 1"},
    {"reset table entry size", [](std::string& b, const Places& at) { Put32(b, at.resetTable + 8, 4); },
     "entry size"},
    {"reset table block count", [](std::string& b, const Places& at) { Put32(b, at.resetTable + 4, 100000); },
     "blocks"},
    {"reset table offset", [](std::string& b, const Places& at) { Put32(b, at.resetTable + 0xC, 0xFFFFFF00); },
     "outside"},
    {"uncompressed length", [](std::string& b, const Places& at) { Put64(b, at.resetTable + 0x10, 1ull << 40); },
     "blocks"},
    {"compressed length", [](std::string& b, const Places& at) { Put64(b, at.resetTable + 0x18, 1ull << 40); },
     "compressed length"},
    {"reset table block length 0", [](std::string& b, const Places& at) { Put64(b, at.resetTable + 0x20, 0); },
     "block length is 0"},
    {"reset table block length huge",
     [](std::string& b, const Places& at) { Put64(b, at.resetTable + 0x20, 1ull << 40); },
     "larger than the LZX window"},
    {"reset table entry", [](std::string& b, const Places& at) { Put64(b, at.resetTable + 0x28 + 8, 1ull << 33); },
     "out of order"},
    {"cut after the file header", [](std::string& b, const Places&) { b.resize(0x60); }, "outside"},
    {"cut in half", [](std::string& b, const Places&) { b.resize(b.size() / 2); }, ""},
    {"cut to a few bytes", [](std::string& b, const Places&) { b.resize(20); }, "only 20 bytes"},
};

class ChmHeaderCheckTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        intact_ = new std::string(testing::TinyChmBytes());
        work_ = new testing::TempDir("orvik-chmcheck");
    }
    static void TearDownTestSuite() {
        delete intact_;
        delete work_;
    }
    static std::string WriteCopy(const std::string& name, const std::string& bytes) {
        std::ofstream(*work_ / name, std::ios::binary) << bytes;
        return name;
    }
    static std::string* intact_;
    static testing::TempDir* work_;
};

std::string* ChmHeaderCheckTest::intact_ = nullptr;
testing::TempDir* ChmHeaderCheckTest::work_ = nullptr;

TEST_F(ChmHeaderCheckTest, IntactFilePassesAndItsPagesRead) {
    ChmMemorySource source(*intact_);
    const ChmVerdict verdict = CheckChmHeaders(source);
    ASSERT_TRUE(verdict.ok) << verdict.reason;
    EXPECT_TRUE(verdict.layout.compressed);
    const std::string name = WriteCopy("intact.chm", *intact_);
    for (int page : {0, 150, 299}) {
        const std::string text = "its:" + name + "::/html/p" + std::to_string(page) + ".htm";
        const auto address = ParseArchiveAddress(Utf8ToU16(text));
        const FileBytes read = ReadArchivePage(work_->path().string(), *address);
        ASSERT_TRUE(read.ok) << read.reason;
        EXPECT_EQ(read.bytes, testing::TinyChmPage(page));
    }
}

TEST_F(ChmHeaderCheckTest, EachDamagedFieldIsRefusedWithAReason) {
    const Places at = PlacesOf(*intact_);
    for (const Damage& damage : kDamages) {
        std::string bytes = *intact_;
        damage.apply(bytes, at);
        ChmMemorySource source(bytes);
        const ChmVerdict verdict = CheckChmHeaders(source);
        EXPECT_FALSE(verdict.ok) << damage.name;
        EXPECT_NE(verdict.reason.find(damage.reason), std::string::npos) << damage.name << ": " << verdict.reason;
    }
}

// The page reader refuses the damaged files instead of handing them to chmlib.
TEST_F(ChmHeaderCheckTest, PageReaderRefusesDamagedFilesNamingThem) {
    const Places at = PlacesOf(*intact_);
    int number = 0;
    for (const Damage& damage : kDamages) {
        std::string bytes = *intact_;
        damage.apply(bytes, at);
        const std::string name = WriteCopy("damaged" + std::to_string(number++) + ".chm", bytes);
        const FileBytes read = ReadArchivePage(work_->path().string(), {name, "/html/p1.htm"});
        EXPECT_FALSE(read.ok) << damage.name;
        EXPECT_EQ(read.reason.rfind(name + ": ", 0), 0u) << damage.name << ": " << read.reason;
    }
}

TEST_F(ChmHeaderCheckTest, VerdictFollowsTheFileWhenItChanges) {
    const std::string name = WriteCopy("changing.chm", *intact_);
    EXPECT_TRUE(ReadArchivePage(work_->path().string(), {name, "/html/p1.htm"}).ok);
    std::string bytes = *intact_;
    bytes.resize(bytes.size() / 2);
    WriteCopy(name, bytes);
    EXPECT_FALSE(ReadArchivePage(work_->path().string(), {name, "/html/p1.htm"}).ok);
}

// A pipe named like a help file would block the reader waiting for a
// writer; the read runs on a thread of its own so that such a wait fails the
// test instead of hanging it.
TEST_F(ChmHeaderCheckTest, OnlyARegularFileIsRead) {
    const std::string name = "pipe.chm";
    ASSERT_EQ(::mkfifo((*work_ / name).c_str(), 0600), 0);
    auto done = std::make_shared<std::promise<FileBytes>>();
    std::future<FileBytes> result = done->get_future();
    std::thread([done, dir = work_->path().string(), name] { done->set_value(ReadArchivePage(dir, {name, "/p.htm"})); })
        .detach();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "the reader waits on the pipe";
    const FileBytes read = result.get();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.reason, name + ": is not a regular file");
}

TEST(ChmObjectCheckTest, ObjectsMustLieInsideTheirSection) {
    const ChmLayout layout{1000, 200, true, 5000};
    struct Case {
        ChmEntry entry;
        bool ok;
    };
    const Case cases[] = {
        {{0, 0, 800}, true},          {{0, 1, 800}, false},  {{0, ~0ull - 100, 200}, false},
        {{1, 4000, 1000}, true},      {{1, 4001, 1000}, false}, {{1, 1, ~0ull}, false},
        {{2, 0, 1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!CheckChmObject(layout, c.entry), c.ok) << c.entry.space << " " << c.entry.start;
    EXPECT_TRUE(CheckChmObject({1000, 200, false, 0}, {1, 0, 1}));
}

}  // namespace
}  // namespace orvik
