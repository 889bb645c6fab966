#include "lookup/clip_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "clip_fixture.h"
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
        {ClipField::Chu, u"nam", fx.Wave("nam")},
        {ClipField::Chu, u"Nam", fx.Wave("nam")},
        {ClipField::Chu, u"QUỐC", fx.Wave("quốc")},
        {ClipField::Chu, u"quoc", "-"},
        {ClipField::Chu, u"na", "-"},
        {ClipField::Chu, u"", "-"},
        {ClipField::Ghichu, u"cach1", fx.Wave("cach1")},
        {ClipField::Ghichu, u"nam", "-"},
        // A quote is compared like any other character.
        {ClipField::Chu, u"it's", fx.Wave("it's")},
        {ClipField::Chu, u"x' OR '1'='1", "-"},
    };
    for (const Case& c : cases) EXPECT_EQ(Unpacked(clips.FindFirst(c.field, c.value)), c.expected);
}

TEST(ClipStore, ADatabaseThatCannotBeReadIsAClearError) {
    const ClipFixture fx(testing::ClipRecords{{"nam", ""}});
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
            ClipStore clips(c.file);
            ADD_FAILURE() << c.file << " opened";
        } catch (const ClipStoreError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.error), std::string::npos) << what;
            EXPECT_NE(what.find(c.file.string()), std::string::npos) << what;
        }
    }
}

TEST(ClipStore, ADatabaseCutShortIsAClearError) {
    const ClipFixture fx({{"nam", ""}, {"quốc", ""}});
    // The first page holds the schema; the table's pages are gone.
    std::filesystem::resize_file(fx.Database(), 4096);
    EXPECT_THROW(ClipStore(fx.Database()).FindFirst(ClipField::Chu, u"nam"), ClipStoreError);
}

}  // namespace
}  // namespace orvik
