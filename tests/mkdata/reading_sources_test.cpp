#include <gtest/gtest.h>

#include "build_error.h"
#include "kanjidic.h"
#include "middle_chinese.h"
#include "tone_style.h"

namespace orvik::mkdata {
namespace {

TEST(ToneStyle, MovesTheMarkOfOpenOaOeUyToTheSecondVowel) {
    const std::pair<std::string, std::string> cases[] = {
        {"thủy", "thuỷ"}, {"hòa", "hoà"}, {"khỏe", "khoẻ"}, {"hóa", "hoá"}, {"ụy", "uỵ"},
        // the u of qu belongs to the initial; closed syllables and other
        // vowels keep their mark; unmarked words stay
        {"quý", "quý"}, {"hoàn", "hoàn"}, {"thuyền", "thuyền"}, {"tụy", "tuỵ"}, {"hoa", "hoa"}, {"đế", "đế"},
        {"", ""}, {"ò", "ò"}};
    for (const auto& [old, wanted] : cases) EXPECT_EQ(NewStyleTone(old), wanted) << old;
}

// 女's first reading is written with a combining tilde, as KANJIDIC2 writes
// many.
TEST(Kanjidic, ReadsTheVietnameseReadingsOfEachLiteralInOrder) {
    const std::string xml = R"(<kanjidic2>
<character>
<literal>水</literal>
<reading_meaning><rmgroup>
<reading r_type="pinyin">shui3</reading>
<reading r_type="vietnam">Thủy</reading>
<reading r_type="vietnam">Thuỷ</reading>
</rmgroup></reading_meaning>
</character>
<character>
<literal>女</literal>
)" "<reading r_type=\"vietnam\">N\u01B0\u0303</reading>\n" R"(
<reading r_type="vietnam">Nhữ</reading>
<reading r_type="vietnam">Đô thư quán</reading>
</character>
<character>
<literal>亜</literal>
<reading r_type="korean_r">a</reading>
</character>
</kanjidic2>
)";
    const auto readings = KanjidicVietnamese(xml);
    EXPECT_EQ(readings.size(), 2U);
    EXPECT_EQ(readings.at(U'水'), std::vector<std::string>{"thuỷ"});
    EXPECT_EQ(readings.at(U'女'), (std::vector<std::string>{"nữ", "nhữ"}));
    EXPECT_THROW(KanjidicVietnamese("<kanjidic2></kanjidic2>"), BuildError);
}

TEST(Guangyun, ReadsEachCharactersPositionsOnce) {
    const auto table = ReadGuangyun(
        "何\t匣\t開\t一\t-\t歌\t平\t匣開一歌平\n"
        "何\t匣\t開\t一\t-\t歌\t上\t匣開一歌上\n"
        "何\t匣\t開\t一\t-\t歌\t上\t匣開一歌上\n"
        "帝\t端\t開\t四\t-\t齊\t去\t端開四齊去\n");
    ASSERT_EQ(table.at(U'何').size(), 2U);
    EXPECT_EQ(table.at(U'何')[1].tone, "上");
    EXPECT_EQ(table.at(U'帝').front(), (MiddleChinese{"端", "開", "四", "-", "齊", "去", "端開四齊去"}));
    for (const std::string bad : {"", "何\t匣\t開\n", "何何\t匣\t開\t一\t-\t歌\t平\t匣開一歌平\n",
                                  "何\t匣\t\t一\t-\t歌\t平\t匣開一歌平\n"})
        EXPECT_THROW(ReadGuangyun(bad), BuildError) << bad;
}

}  // namespace
}  // namespace orvik::mkdata
