// The clip database, and the unpacking of the clips it stores.
#include "lookup/clip_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "clip_fixture.h"
#include "clip_database.h"
#include "lookup/mzlib.h"

namespace orvik {
namespace {

using testing::ClipFixture;

std::string Unpacked(const std::optional<std::string>& packed) { return packed ? UncompressString(*packed) : "-"; }

TEST(ClipStore, FindsTheFirstRecordByWordOrNoteWithoutRegardToCase) {
    const ClipFixture fx({{"nam", ""}, {"quốc", ""}, {"nam", "second"}, {"cach1", "cach1"}, {"it's", ""}});
    ClipStore clips(fx.Database());
    struct Case { ClipField field; std::u16string_view value; std::string expected; };
    const Case cases[] = {
        {ClipField::Chu, u"Nam", fx.Wave("nam")},
        {ClipField::Chu, u"QUỐC", fx.Wave("quốc")},
        {ClipField::Chu, u"quoc", "-"},
        {ClipField::Chu, u"na", "-"},
        {ClipField::Ghichu, u"cach1", fx.Wave("cach1")},
        {ClipField::Ghichu, u"nam", "-"},
        // A quote is compared like any other character.
        {ClipField::Chu, u"it's", fx.Wave("it's")},
        {ClipField::Chu, u"x' OR '1'='1", "-"},
    };
    for (const Case& c : cases) EXPECT_EQ(Unpacked(clips.FindFirst(c.field, c.value)), c.expected);
}

TEST(ClipStore, ADatabaseThatCannotBeReadIsAClearError) {
    const ClipFixture fx({{"nam", ""}, {"quốc", ""}});
    const auto dir = fx.Database().parent_path();
    std::ofstream(dir / "garbage.MDB") << std::string(4096, 'x');
    std::ofstream(dir / "empty.MDB");  // an SQLite database without the table doctv
    struct Case { std::filesystem::path file; const char* error; };
    const Case cases[] = {
        {dir / "missing.MDB", "no clip database"},
        {dir, "no clip database"},
        {dir / "garbage.MDB", "file is not a database"},
        {dir / "empty.MDB", "no such table"},
    };
    for (const Case& c : cases) {
        try {
            ClipStore(c.file).FindFirst(ClipField::Chu, u"nam");
            ADD_FAILURE() << c.file << " read";
        } catch (const ClipStoreError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.error), std::string::npos) << what;
            EXPECT_NE(what.find(c.file.string()), std::string::npos) << what;
        }
    }
}

// The stored length, a space and the zlib stream of `data`.
std::string Packed(std::size_t storedLength, const std::string& data) {
    const std::string packed = mkdata::PackString(data);
    return std::to_string(storedLength) + packed.substr(packed.find(' '));
}

// That what unpacks packs again the same is the fuzzer's rule; the greatest
// ratio deflate reaches, which its small inputs never reach, still unpacks.
TEST(UncompressString, ReturnsExactlyTheStoredLength) {
    const std::string zeros(4'000'000, '\0');
    EXPECT_EQ(UncompressString(Packed(zeros.size(), zeros)), zeros);
}

TEST(UncompressString, ReportsZlibFailuresWithTheirNumbers) {
    struct Case { std::string packed; std::int32_t number; std::string description; };
    std::string damaged = Packed(10, "0123456789");
    damaged[5] = static_cast<char>(damaged[5] ^ 0x55);
    const Case cases[] = {
        {Packed(9, "0123456789"), -2147221499, "Insufficient space in output buffer to uncompress string"},
        // A stored length beyond what the data unpacks to is damage.
        {Packed(12, "0123456789"), -2147221501, "Cannot uncompress corrupt data"},
        // Lengths the packed data could never hold are refused before any
        // memory is taken.
        {Packed(2147483647, "0123456789"), -2147221500, "Insufficient memory to uncompress string"},
        {Packed(200'000, "0123456789"), -2147221500, "Insufficient memory to uncompress string"},
        {damaged, -2147221501, "Cannot uncompress corrupt data"},
        // No length: an empty buffer, which this zlib reports as a damaged stream.
        {"x " + Packed(3, "abc").substr(2), -2147221501, "Cannot uncompress corrupt data"},
    };
    for (const auto& c : cases) {
        try {
            UncompressString(c.packed);
            ADD_FAILURE() << "no error for " << c.description;
        } catch (const ZlibError& e) {
            EXPECT_EQ(e.Number(), c.number);
            EXPECT_EQ(e.what(), c.description);
            EXPECT_STREQ(e.Source(), "UncompressString");
        }
    }
    EXPECT_STREQ(ZlibError(-6).what(), "Unknown error during uncompress operation");
}

}  // namespace
}  // namespace orvik
