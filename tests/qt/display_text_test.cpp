// The typed code in the box is 8-bit text of the box's font; it is shown
// decoded by that font's code.
#include <gtest/gtest.h>

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "platform/qt/display_text.h"

namespace orvik {
namespace {

std::u16string CodeText(std::int16_t code, std::u16string_view keys) {
    LetterTables tables;
    BuildLetterTables(tables, code);
    return TelexToCode(tables, PlaceToneKey(keys, false));
}

TEST(DisplayTextTest, DecodesByTheFontsCode) {
    struct Case {
        std::u16string_view font;
        std::int16_t code;
    };
    const Case cases[] = {
        {u"VNtimes new roman", kVietWareX},
        {u".VnTime", kTcvn3},
        {u"Tcvnssfont", kTcvn3},
        {u"VNI-Times", kVniWindows},
        {u"vni-times", kVniWindows},
    };
    for (const Case& c : cases) {
        for (std::u16string_view keys : {u"hoaf", u"nguwowif", u"ddaays"}) {
            const std::u16string expected = keys == u"hoaf" ? u"hòa" : keys == u"nguwowif" ? u"người" : u"đấy";
            EXPECT_EQ(DisplayText(CodeText(c.code, keys), c.font), expected)
                << std::string(c.font.begin(), c.font.end());
        }
    }
}

TEST(DisplayTextTest, OtherFontsShowTheTextAsItIs) {
    const std::u16string vietWare = CodeText(kVietWareX, u"hoaf");
    EXPECT_EQ(DisplayText(vietWare, u"Arial"), vietWare);
    EXPECT_EQ(DisplayText(u"người", u"Arial"), u"người");
    EXPECT_EQ(DisplayText(u"", u"VNI-Times"), u"");
}

}  // namespace
}  // namespace orvik
