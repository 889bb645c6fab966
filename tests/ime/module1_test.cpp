#include "ime/module1.h"

#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"

namespace orvik {
namespace {

using testing::FixtureApp;
using testing::kProgramDir;

TEST(DecodeLineNumber, ReadsTwoBase96Digits) {
    struct Case { std::u16string text; int line; };
    const Case cases[] = {
        {u"\"\"", 0}, {u"\"#", 1}, {u"#\"", 96}, {{char16_t{127}, char16_t{106}}, 9000},
        {u"\"#!abc ", 1}, {u"\"", -1}, {u"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeLineNumber(c.text), c.line) << U16ToUtf8(c.text);
}

TEST(LoadModeIndex, StoresCandidateLinesAndTheDirectoryLineAfterThem) {
    FixtureApp fx;
    Module1& m = fx.module();
    m.LoadModeIndex(u"telexhan.idx", false, Layout::Han);
    EXPECT_EQ(m.IndexLines[0], u"4E004E8C");
    EXPECT_EQ(m.IndexLines[3], u"007B4E8C8BDE");
    EXPECT_EQ(m.IndexLines[4], m.DirectoryLine);
    EXPECT_EQ(m.DirectoryLine.substr(0, 8), u"!\"#!ab \"");
    // Lines after the directory line, another "!" line among them, are not read.
    EXPECT_TRUE(m.IndexLines[5].empty());
    EXPECT_EQ(m.Big5Line, u"/a4a419968/a4a520108/");
    EXPECT_EQ(m.NomLine, u"19968/131083/");
    EXPECT_EQ(m.ReadingLine, u"a4a4:nhất/nhứt\\a4a5:nhị\\");
}

TEST(LoadModeIndex, ReportsMissingFilesAndKeepsGoingWithWhatItCouldRead) {
    FixtureApp fx;
    Module1& m = fx.module();
    m.LoadModeIndex(u"telexhan.idx", false, Layout::Han);
    fx.platform.RemoveFile(kProgramDir + "/big5uni.idx");
    fx.platform.ClearCalls();
    m.LoadModeIndex(u"missing.idx", true, Layout::Nom);
    EXPECT_TRUE(m.DirectoryLine.empty());
    EXPECT_TRUE(m.IndexLines[0].empty());
    EXPECT_TRUE(m.Big5Line.empty());
    EXPECT_EQ(m.ReadingLine, u"4E00:một\\2000B:người\\");
    EXPECT_EQ(fx.platform.Messages(), std::vector<std::string>{"Không đọc được tệp big5uni.idx: file not found\n"
                                                               "Không đọc được tệp missing.idx: file not found"});
}

TEST(LoadModeIndex, KeepsTheFirst9001LinesOfATooLongFile) {
    FixtureApp fx;
    std::string file;
    for (int i = 0; i < 9005; ++i) file += std::to_string(i) + "\r\n";
    file += "!\"\"!a \r\n";
    fx.platform.SetFile(kProgramDir + "/long.idx", file);
    Module1& m = fx.module();
    m.LoadModeIndex(u"long.idx", false, Layout::Han);
    EXPECT_EQ(m.IndexLines[9000], u"9000");
    EXPECT_EQ(m.DirectoryLine, u"!\"\"!a ");
    ASSERT_EQ(fx.platform.Messages().size(), 1u);
    EXPECT_NE(fx.platform.Messages()[0].find("long.idx có hơn 9001 dòng"), std::string::npos);
}

// A damaged index is named once, with its line where there is one; what
// could be read is kept.
TEST(LoadModeIndex, SaysWhatIsWrongWithTheShapeOfAnIndex) {
    struct Case {
        std::string bytes;
        Layout layout;
        std::string message;  // empty: nothing to say
    };
    const std::string noDirectory =
        "Tệp bad.idx không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn.";
    const std::string badEntry = ": mục không đúng dạng (hai ký tự số dòng, \"!\", mã 1 đến 12 ký tự, dấu cách).";
    const Case cases[] = {
        {"4E00\r\n4E8C\r\n!\"\"!a \"#!b \r\n", Layout::Han, ""},
        {"2000B 4E00\r\n!\"\"!a \r\n", Layout::Nom, ""},
        {"9AFFfa0e\r\n!\"\"!abcdefghijkl \r\n", Layout::Han, ""},  // every end of the digits; the longest key
        {"4E00\r\n!\"\"! \r\n", Layout::Han, "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ 2" + badEntry},
        {"", Layout::Han, noDirectory},
        {"4E00\r\n4E8C\r\n", Layout::Han, noDirectory},
        {"4E00\r4E8C\r!\"\"!a \r", Layout::Han,
         "Tệp bad.idx xuống dòng bằng CR: không đọc được dòng mục lục, không có chữ nào để chọn."},
        // 548C with one digit changed would be read as "T".
        {"4E00\r\n54xC\r\n!\"\"!a \r\n", Layout::Han, "Tệp bad.idx, dòng 2: có ký tự không phải số thập lục phân."},
        {"4E00 \r\n!\"\"!a \r\n", Layout::Han, "Tệp bad.idx, dòng 1: có ký tự không phải số thập lục phân."},
        {"4E004E8\r\n!\"\"!a \r\n", Layout::Han,
         "Tệp bad.idx, dòng 1: dài 7 ký tự, không chia hết thành các chữ 4 ký tự."},
        {"4E00\r\n!\"\"!a \"#!b \r\n", Layout::Han,
         "Tệp bad.idx, dòng 2 (dòng mục lục): mã \"b\" chỉ đến dòng 2, nhưng tệp chỉ có 1 dòng chữ trước dòng mục lục."},
        {"4E00\r\n!\"\"!a \"\"b \r\n", Layout::Han, "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ 7" + badEntry},
        {"4E00\r\n!\"\"!a \"\"! \r\n", Layout::Han, "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ 7" + badEntry},
        {"4E00\r\n!\"\"!abcdefghijklm \r\n", Layout::Han, "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ 2" + badEntry},
        {"4E00\r\n!\"\"!a \"\"!b\r\n", Layout::Han, "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ 7" + badEntry},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.platform.SetFile(kProgramDir + "/bad.idx", c.bytes);
        fx.module().LoadModeIndex(u"bad.idx", false, c.layout);
        const auto expected = c.message.empty() ? std::vector<std::string>{} : std::vector{c.message};
        EXPECT_EQ(fx.platform.Messages(), expected) << c.bytes;
    }
}

// An empty, cut-short or garbled big5uni.idx would make every look-up answer
// "not listed" without a word.
TEST(LoadModeIndex, SaysWhatIsWrongWithTheShapeOfTheCodeTable) {
    struct Case {
        std::string bytes;
        std::string message;  // empty: nothing to say
    };
    const std::string line1 = "Tệp big5uni.idx, dòng 1";
    const std::string big5Shape =
        ": không đúng dạng \"/\" + mã Big5 (bốn chữ số thập lục phân thường) + mã chữ thập phân + \"/\".";
    const Case cases[] = {
        {"/a4a419968/a4a520108/\r\n1996820108/\r\n19968/131083/\r\n", ""},
        {"", line1 + " trống: không tra được chữ nào theo dòng này."},
        {"/a4a419968/a4a520108/\r\n1996820108/\r\n", "Tệp big5uni.idx, dòng 3 trống: không tra được chữ nào theo dòng này."},
        {"a4a419968/\r\n1996820108/\r\n19968/\r\n", line1 + ", ký tự thứ 1" + big5Shape},
        {"/a4a419968/A4A520108/\r\n1996820108/\r\n19968/\r\n", line1 + ", ký tự thứ 12" + big5Shape},
        {"/a4a419968/a4a5201080/\r\n1996820108/\r\n19968/\r\n", line1 + ", ký tự thứ 12" + big5Shape},
        {"/a4a419968/a4a520108\r\n1996820108/\r\n19968/\r\n", line1 + ", ký tự thứ 12" + big5Shape},
        {"/a4a419968/\r\n199682010/\r\n19968/\r\n",
         "Tệp big5uni.idx, dòng 2, ký tự thứ 1: không đúng dạng mã chữ đích năm chữ số + mã chữ năm chữ số + \"/\"."},
        {"/a4a419968/\r\n1996820108/\r\n19968/13x083/\r\n",
         "Tệp big5uni.idx, dòng 3, ký tự thứ 7: không đúng dạng mã chữ thập phân + \"/\"."},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.platform.SetFile(kProgramDir + "/big5uni.idx", c.bytes);
        fx.module().LoadModeIndex(u"telexhan.idx", false, Layout::Han);
        const auto expected = c.message.empty() ? std::vector<std::string>{} : std::vector{c.message};
        EXPECT_EQ(fx.platform.Messages(), expected) << c.bytes;
    }
}

}  // namespace
}  // namespace orvik
