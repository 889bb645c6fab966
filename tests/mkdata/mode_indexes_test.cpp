#include "mode_indexes.h"

#include <gtest/gtest.h>

#include "characters.h"
#include "unihan.h"

namespace orvik::mkdata {
namespace {

// 而 is the more frequent, but èr is only a secondary reading of it.
constexpr std::string_view kErCharacters =
    "U+4E8C\tkBigFive\tA447\nU+4E8C\tkMandarin\tèr\nU+4E8C\tkFrequency\t2\n"
    "U+800C\tkBigFive\tA6D3\nU+800C\tkMandarin\tér\nU+800C\tkHanyuPinyin\t30001.010:ér,èr\n"
    "U+800C\tkFrequency\t1\n";

// "er4" is looked up as "e4r": the characters whose main reading is èr still
// lead that key's line.
TEST(ModeIndexes, PinYinPutsMainReadingsFirstUnderTheSearchKey) {
    Unihan unihan(WantedUnihanFields());
    unihan.AddText(kErCharacters);
    const BuiltIndex built = BuildPinYin(Characters(unihan));
    EXPECT_EQ(built.bytes, "800C\r\n4E8C800C\r\n!\"\"!e2r \"#!e4r \r\n");
}

}  // namespace
}  // namespace orvik::mkdata
