// The conversion of ncangjie.dxx into ncangjie.udx refuses input it cannot
// convert whole, with a message naming the file and the line. What it writes
// is checked where the main window's picker converts a file.
#include "ime/index_conversion.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

TEST(IndexConversion, InputItCannotConvertWholeIsRefusedNamingFileAndLine) {
    const std::vector<std::u16string> goodIndex{u"E000", u"!\"\"!a "};
    struct Case {
        std::u16string map;
        std::vector<std::u16string> dxx;
        std::string named;
    };
    std::vector<std::u16string> overfull(9001, u"4E00");
    overfull.push_back(u"!\"\"!a ");
    const Case cases[] = {
        {u"", goodIndex, "machuan.txt, dòng 1: trống"},
        {u"57344:131072/", goodIndex, "machuan.txt, dòng 1: phải bắt đầu"},
        {u"/57344:131072", goodIndex, "machuan.txt, dòng 1, ký tự thứ 2"},
        {u"/57344:131072/57345=1/", goodIndex, "machuan.txt, dòng 1, ký tự thứ 15"},
        {u"/57344:255/", goodIndex, "ký tự thứ 2"},       // a target too short for a field
        {u"/57344:1310720/", goodIndex, "ký tự thứ 2"},   // more than the six characters read
        {u"/57344:131072/", {u"E000"}, "ncangjie.dxx không có dòng mục lục"},
        {u"/", {u"E00G", u"!\"\"!a "}, "ncangjie.dxx, dòng 1"},
        {u"/", {u"4E00", u"E00", u"!\"\"!a \"#!b "}, "ncangjie.dxx, dòng 2"},
        // The directory line without its closing space would never be used up.
        {u"/", {u"4E00", u"!\"\"!a"}, "ncangjie.dxx, dòng 2 (dòng mục lục)"},
        {u"/", {u"4E00", u"4E01", u"!\"\"!a "}, "ncangjie.dxx, dòng 3 (dòng mục lục): có 1 mục cho 2 dòng"},
        {u"/", {u"4E00", u"!\"\"!a \"\"!b "}, "ncangjie.dxx, dòng 2 (dòng mục lục): có 2 mục cho 1 dòng"},
        {u"/", overfull, "ncangjie.dxx có 9001 dòng chữ"},
    };
    for (const Case& c : cases) {
        const auto converted = ConvertIndex(c.map, c.dxx);
        ASSERT_TRUE(converted.problem) << U16ToUtf8(c.map) << " / " << c.named;
        EXPECT_NE(U16ToUtf8(*converted.problem).find(c.named), std::string::npos) << U16ToUtf8(*converted.problem);
        EXPECT_TRUE(converted.lines.empty());
    }
}

}  // namespace
}  // namespace orvik
