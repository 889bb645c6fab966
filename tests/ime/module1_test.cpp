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
    m.LoadModeIndex(u"telexhan.idx", false);
    EXPECT_EQ(m.IndexLines[0], u"4E004E8C");
    EXPECT_EQ(m.IndexLines[3], u"007B4E8C8BDE");
    EXPECT_EQ(m.IndexLines[4], m.DirectoryLine);
    EXPECT_EQ(m.DirectoryLine.substr(0, 8), u"!\"#!ab \"");
    // Lines after the directory line, another "!" line among them, are not read.
    EXPECT_TRUE(m.IndexLines[5].empty());
    EXPECT_EQ(m.Big5Line, u"/a4a419968/a4a520108/");
    EXPECT_EQ(m.NomLine, u"19968/131083/");
    EXPECT_EQ(m.ReadingLine, u"a4a4:nhất/nhứt\\a4a5:nhị\\");
    EXPECT_EQ(fx.platform.Calls(), (std::vector<std::string>{
        "ReadFile " + kProgramDir + "/big5uni.idx",
        "ReadFile " + kProgramDir + "/telexhan.idx",
        "ReadFile " + kProgramDir + "/phienam.txt"}));
}

TEST(LoadModeIndex, ReportsMissingFilesAndKeepsGoingWithWhatItCouldRead) {
    FixtureApp fx;
    Module1& m = fx.module();
    m.LoadModeIndex(u"telexhan.idx", false);
    fx.platform.RemoveFile(kProgramDir + "/big5uni.idx");
    fx.platform.ClearCalls();
    m.LoadModeIndex(u"missing.idx", true);
    EXPECT_TRUE(m.DirectoryLine.empty());
    EXPECT_TRUE(m.IndexLines[0].empty());
    EXPECT_TRUE(m.Big5Line.empty());
    EXPECT_EQ(m.ReadingLine, u"4E00:một\\2000B:người\\");
    ASSERT_EQ(fx.platform.Calls().size(), 4u);
    EXPECT_EQ(fx.platform.Calls().back(),
              "MessageBox [Việt Orvik thông báo] Không đọc được tệp big5uni.idx: file not found\n"
              "Không đọc được tệp missing.idx: file not found");
}

TEST(LoadModeIndex, KeepsTheFirst9001LinesOfATooLongFile) {
    FixtureApp fx;
    std::string file;
    for (int i = 0; i < 9005; ++i) file += std::to_string(i) + "\r\n";
    file += "!\"\"!a \r\n";
    fx.platform.SetFile(kProgramDir + "/long.idx", file);
    Module1& m = fx.module();
    m.LoadModeIndex(u"long.idx", false);
    EXPECT_EQ(m.IndexLines[9000], u"9000");
    EXPECT_EQ(m.DirectoryLine, u"!\"\"!a ");
    EXPECT_NE(fx.platform.Calls().back().find("long.idx có hơn 9001 dòng"), std::string::npos);
}

// A damaged index is named once, with its line where there is one; what
// could be read is kept.
TEST(LoadModeIndex, SaysWhatIsWrongWithTheShapeOfAnIndex) {
    struct Case {
        std::string bytes;
        std::string message;  // empty: nothing to say
    };
    const Case cases[] = {
        {"4E00\r\n4E8C\r\n!\"\"!a \"#!b \r\n", ""},
        {"", "Tệp bad.idx không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn."},
        {"4E00\r\n4E8C\r\n", "Tệp bad.idx không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn."},
        {"4E00\r4E8C\r!\"\"!a \r", "Tệp bad.idx xuống dòng bằng CR: không đọc được dòng mục lục, không có chữ nào để chọn."},
        {"4E00\r\n4T8C\r\n!\"\"!a \r\n", "Tệp bad.idx, dòng 2: có ký tự không phải số thập lục phân."},
        {"2000B 4E00\r\n!\"\"!a \r\n", ""},
    };
    for (const auto& c : cases) {
        FixtureApp fx;
        fx.platform.SetFile(kProgramDir + "/bad.idx", c.bytes);
        fx.module().LoadModeIndex(u"bad.idx", false);
        const auto boxes = fx.CallsOf({"MessageBox"});
        if (c.message.empty()) EXPECT_TRUE(boxes.empty()) << c.bytes;
        else EXPECT_EQ(boxes, std::vector<std::string>{"MessageBox [Việt Orvik thông báo] " + c.message}) << c.bytes;
    }
}

}  // namespace
}  // namespace orvik
