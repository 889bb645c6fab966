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
    fx.platform.SetFile(kProgramDir + "/long.idx", file + "!\"\"!a \r\n");
    Module1& m = fx.module();
    m.LoadModeIndex(u"long.idx", false, Layout::Han);
    EXPECT_EQ(m.IndexLines[9000], u"9000");
    EXPECT_EQ(m.DirectoryLine, u"!\"\"!a ");
    ASSERT_EQ(fx.platform.Messages().size(), 1u);
    EXPECT_NE(fx.platform.Messages()[0].find("long.idx có hơn 9001 dòng"), std::string::npos);
}

// A damaged index or code table is named once, with its line where there is
// one; what could be read is kept. A garbled big5uni.idx would otherwise make
// every look-up answer "not listed" without a word.
TEST(LoadModeIndex, SaysWhatIsWrongWithTheShapeOfAnIndex) {
    struct Case {
        std::string file, bytes;
        Layout layout;
        std::string message;  // empty: nothing to say
    };
    const std::string noDirectory =
        "Tệp bad.idx không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn.";
    const std::string badEntry = ": mục không đúng dạng (hai ký tự số dòng, \"!\", mã 1 đến 12 ký tự, dấu cách).";
    const std::string directory2 = "Tệp bad.idx, dòng 2 (dòng mục lục), ký tự thứ ";
    const std::string big5Shape = "Tệp big5uni.idx, dòng 1, ký tự thứ 12: không đúng dạng \"/\" + mã Big5 (bốn chữ số "
                                  "thập lục phân thường) + mã chữ thập phân + \"/\".";
    const Case cases[] = {
        {"bad.idx", "4E00\r\n4E8C\r\n!\"\"!a \"#!b \r\n", Layout::Han, ""},
        {"bad.idx", "2000B 4E00\r\n!\"\"!a \r\n", Layout::Nom, ""},
        {"bad.idx", "9AFFfa0e\r\n!\"\"!abcdefghijkl \r\n", Layout::Han, ""},  // every end of the digits; the longest key
        {"bad.idx", "4E00\r\n!\"\"! \r\n", Layout::Han, directory2 + "2" + badEntry},
        {"bad.idx", "", Layout::Han, noDirectory},
        {"bad.idx", "4E00\r\n4E8C\r\n", Layout::Han, noDirectory},
        {"bad.idx", "4E00\r4E8C\r!\"\"!a \r", Layout::Han,
         "Tệp bad.idx xuống dòng bằng CR: không đọc được dòng mục lục, không có chữ nào để chọn."},
        // 548C with one digit changed would be read as "T".
        {"bad.idx", "4E00\r\n54xC\r\n!\"\"!a \r\n", Layout::Han,
         "Tệp bad.idx, dòng 2: có ký tự không phải số thập lục phân."},
        {"bad.idx", "4E00 \r\n!\"\"!a \r\n", Layout::Han, "Tệp bad.idx, dòng 1: có ký tự không phải số thập lục phân."},
        {"bad.idx", "4E004E8\r\n!\"\"!a \r\n", Layout::Han,
         "Tệp bad.idx, dòng 1: dài 7 ký tự, không chia hết thành các chữ 4 ký tự."},
        {"bad.idx", "4E00\r\n!\"\"!a \"#!b \r\n", Layout::Han,
         "Tệp bad.idx, dòng 2 (dòng mục lục): mã \"b\" chỉ đến dòng 2, nhưng tệp chỉ có 1 dòng chữ trước dòng mục lục."},
        {"bad.idx", "4E00\r\n!\"\"!a \"\"b \r\n", Layout::Han, directory2 + "7" + badEntry},
        {"bad.idx", "4E00\r\n!\"\"!a \"\"! \r\n", Layout::Han, directory2 + "7" + badEntry},
        {"bad.idx", "4E00\r\n!\"\"!abcdefghijklm \r\n", Layout::Han, directory2 + "2" + badEntry},
        {"bad.idx", "4E00\r\n!\"\"!a \"\"!b\r\n", Layout::Han, directory2 + "7" + badEntry},
        // The code table, read with telexhan.idx.
        {"big5uni.idx", "/a4a419968/a4a520108/\r\n1996820108/\r\n19968/131083/\r\n", Layout::Han, ""},
        {"big5uni.idx", "/a4a419968/a4a520108/\r\n1996820108/\r\n", Layout::Han,
         "Tệp big5uni.idx, dòng 3 trống: không tra được chữ nào theo dòng này."},
        {"big5uni.idx", "/a4a419968/A4A520108/\r\n1996820108/\r\n19968/\r\n", Layout::Han, big5Shape},
        {"big5uni.idx", "/a4a419968/a4a520108\r\n1996820108/\r\n19968/\r\n", Layout::Han, big5Shape},
        {"big5uni.idx", "/a4a419968/\r\n199682010/\r\n19968/\r\n", Layout::Han,
         "Tệp big5uni.idx, dòng 2, ký tự thứ 1: không đúng dạng mã chữ đích năm chữ số + mã chữ năm chữ số + \"/\"."},
        {"big5uni.idx", "/a4a419968/\r\n1996820108/\r\n19968/13x083/\r\n", Layout::Han,
         "Tệp big5uni.idx, dòng 3, ký tự thứ 7: không đúng dạng mã chữ thập phân + \"/\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + ": " + c.bytes);
        FixtureApp fx;
        fx.platform.SetFile(kProgramDir + "/" + c.file, c.bytes);
        fx.module().LoadModeIndex(c.file == "bad.idx" ? u"bad.idx" : u"telexhan.idx", false, c.layout);
        const auto expected = c.message.empty() ? std::vector<std::string>{} : std::vector{c.message};
        EXPECT_EQ(fx.platform.Messages(), expected);
    }
}

}  // namespace
}  // namespace orvik
