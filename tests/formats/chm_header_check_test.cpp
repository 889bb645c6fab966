#include "formats/chm_header_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>
#include <memory>
#include <thread>

#include "engine/text.h"
#include "formats/archive_pages.h"
#include "formats/tiny_chm.h"

namespace orvik {
namespace {

// Where the headers and objects of the intact file lie.
struct Places {
    std::uint64_t file, directory, firstBlock, control, resetTable;
};

Places PlacesOf(const std::string& bytes) {
    ChmMemorySource source(bytes);
    const std::uint64_t directory = ChmU64(bytes, 0x48), data = ChmU64(bytes, 0x58);
    const ChmDirectory dir{directory + 0x54, ChmU32(bytes, directory + 0x10), ChmU32(bytes, directory + 0x2C),
                           ChmI32(bytes, directory + 0x1C)};
    const auto control = FindChmEntry(source, dir, "::DataSpace/Storage/MSCompressed/ControlData");
    const auto reset = FindChmEntry(source, dir,
                                    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                                    "InstanceData/ResetTable");
    EXPECT_TRUE(control && reset);
    return {0, directory, directory + 0x54, data + (control ? control->start : 0), data + (reset ? reset->start : 0)};
}

// A field of `width` bytes set to `value` (the file's size and more from
// kSize on), or with no width the file cut to `value` bytes.
constexpr std::uint64_t kSize = ~0ull - 1;
struct Damage {
    const char* name;
    std::uint64_t Places::*base;
    std::uint64_t offset;
    int width;
    std::uint64_t value;
    const char* reason;  // part of the reason given

    std::string Applied(std::string bytes, const Places& at) const {
        const std::uint64_t v = value >= kSize ? bytes.size() + (value - kSize) : value;
        if (width == 0) bytes.resize(v);
        for (int i = 0; i < width; ++i) bytes[at.*base + offset + i] = static_cast<char>(v >> (8 * i));
        return bytes;
    }
};

using P = Places;
const Damage kDamages[] = {
    {"file signature", &P::file, 3, 1, 'X', "ITSF"},
    {"file version", &P::file, 4, 4, 7, "version 7"},
    {"file header length", &P::file, 8, 4, 0x10, "header length"},
    {"directory offset", &P::file, 0x48, 8, kSize, "directory"},
    {"directory length", &P::file, 0x50, 8, ~0ull - 8, "directory"},
    {"content offset", &P::file, 0x58, 8, kSize + 1, "content offset"},
    {"directory signature", &P::directory, 0, 1, 'X', "ITSP"},
    {"directory block length 0", &P::directory, 0x10, 4, 0, "block length 0"},
    {"huge directory block", &P::directory, 0x10, 4, 880803840,
     "directory block length 880803840 is larger than the file"},
    {"directory block count", &P::directory, 0x2C, 4, 5000, "do not fit"},
    {"root block", &P::directory, 0x1C, 4, 99, "root"},
    {"first block", &P::directory, 0x20, 4, 0xFFFFFFFB, "first"},
    {"listing free space", &P::firstBlock, 4, 4, 0xFFFFFFF0, "free space"},
    {"listing marker", &P::firstBlock, 3, 1, 'X', "neither"},
    {"control signature", &P::control, 4, 1, 'X', "LZXC"},
    {"control version", &P::control, 8, 4, 9, "version 9"},
    {"window size 0", &P::control, 0x10, 4, 0, "window size is 0"},
    {"window size 3", &P::control, 0x10, 4, 3, "power of two"},
    {"window too large", &P::control, 0x10, 4, 128, "power of two"},
    {"reset interval 0", &P::control, 0xC, 4, 0, "interval is 0"},
    {"windows per reset 0", &P::control, 0x14, 4, 0, "per reset is 0"},
    {"reset table version", &P::resetTable, 0, 4, 1, "version 1"},
    {"reset table entry size", &P::resetTable, 8, 4, 4, "entry size"},
    {"reset table block count", &P::resetTable, 4, 4, 100000, "blocks"},
    {"reset table offset", &P::resetTable, 0xC, 4, 0xFFFFFF00, "outside"},
    {"uncompressed length", &P::resetTable, 0x10, 8, 1ull << 40, "blocks"},
    {"compressed length", &P::resetTable, 0x18, 8, 1ull << 40, "compressed length"},
    {"reset table block length 0", &P::resetTable, 0x20, 8, 0, "block length is 0"},
    {"reset table block length huge", &P::resetTable, 0x20, 8, 1ull << 40, "larger than the LZX window"},
    {"reset table entry", &P::resetTable, 0x30, 8, 1ull << 33, "out of order"},
    {"cut after the file header", &P::file, 0, 0, 0x60, "outside"},
    {"cut to a few bytes", &P::file, 0, 0, 20, "only 20 bytes"},
};

const std::string& Intact() {
    static const std::string bytes = testing::TinyChmBytes();
    return bytes;
}

// A copy of `bytes` on disk, by its name in the test's folder.
const testing::TempDir& Work() {
    static const testing::TempDir work("orvik-chmcheck");
    return work;
}

std::string WriteCopy(const std::string& name, const std::string& bytes) {
    std::ofstream(Work() / name, std::ios::binary) << bytes;
    return name;
}

FileBytes ReadPage(const std::string& name, const char* path = "/html/p1.htm") {
    return ReadArchivePage(Work().path().string(), {name, path});
}

TEST(ChmHeaderCheckTest, IntactFilePassesAndItsPagesRead) {
    ChmMemorySource source(Intact());
    const ChmVerdict verdict = CheckChmHeaders(source);
    ASSERT_TRUE(verdict.ok) << verdict.reason;
    EXPECT_TRUE(verdict.layout.compressed);
    const std::string name = WriteCopy("intact.chm", Intact());
    for (int page : {0, 150, 299}) {
        const std::string text = "its:" + name + "::/html/p" + std::to_string(page) + ".htm";
        const FileBytes read = ReadArchivePage(Work().path().string(), *ParseArchiveAddress(Utf8ToU16(text)));
        ASSERT_TRUE(read.ok) << read.reason;
        EXPECT_EQ(read.bytes, testing::TinyChmPage(page));
    }
    // A page the file lacks is refused, named.
    const FileBytes absent = ReadPage(name, "/html/absent.htm");
    EXPECT_FALSE(absent.ok);
    EXPECT_NE(absent.reason.find("/html/absent.htm is not in"), std::string::npos) << absent.reason;

    // The verdict follows the file when it changes.
    WriteCopy(name, Intact().substr(0, Intact().size() / 2));
    EXPECT_FALSE(ReadPage(name).ok);
}

// The page reader refuses the damaged files, naming them, instead of handing
// them to chmlib.
TEST(ChmHeaderCheckTest, EachDamagedFieldIsRefusedWithAReason) {
    const Places at = PlacesOf(Intact());
    int number = 0;
    for (const Damage& damage : kDamages) {
        const std::string bytes = damage.Applied(Intact(), at);
        ChmMemorySource source(bytes);
        const ChmVerdict verdict = CheckChmHeaders(source);
        EXPECT_FALSE(verdict.ok) << damage.name;
        EXPECT_NE(verdict.reason.find(damage.reason), std::string::npos) << damage.name << ": " << verdict.reason;
        const std::string name = WriteCopy("damaged" + std::to_string(number++) + ".chm", bytes);
        const FileBytes read = ReadPage(name);
        EXPECT_FALSE(read.ok) << damage.name;
        EXPECT_EQ(read.reason.rfind(name + ": ", 0), 0u) << damage.name << ": " << read.reason;
    }
}

// A pipe named like a help file would block the reader waiting for a
// writer; the read runs on a thread of its own so that such a wait fails the
// test instead of hanging it.
TEST(ChmHeaderCheckTest, OnlyARegularFileIsRead) {
    ASSERT_EQ(::mkfifo((Work() / "pipe.chm").c_str(), 0600), 0);
    auto done = std::make_shared<std::promise<FileBytes>>();
    std::future<FileBytes> result = done->get_future();
    std::thread([done] { done->set_value(ReadPage("pipe.chm", "/p.htm")); }).detach();
    ASSERT_EQ(result.wait_for(std::chrono::seconds(10)), std::future_status::ready) << "the reader waits on the pipe";
    const FileBytes read = result.get();
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.reason, "pipe.chm: is not a regular file");
}

TEST(ChmObjectCheckTest, ObjectsMustLieInsideTheirSection) {
    const ChmLayout layout{1000, 200, true, 5000};
    const std::pair<ChmEntry, bool> cases[] = {
        {{0, 0, 800}, true},      {{0, 1, 800}, false},     {{0, ~0ull - 100, 200}, false},
        {{1, 4000, 1000}, true},  {{1, 4001, 1000}, false}, {{1, 1, ~0ull}, false},
        {{2, 0, 1}, false},
    };
    for (const auto& [entry, ok] : cases) EXPECT_EQ(!CheckChmObject(layout, entry), ok) << entry.space << " " << entry.start;
    EXPECT_TRUE(CheckChmObject({1000, 200, false, 0}, {1, 0, 1}));
}

}  // namespace
}  // namespace orvik
