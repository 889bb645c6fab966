#include "index_writer.h"

#include <gtest/gtest.h>

#include "build_error.h"

namespace orvik::mkdata {
namespace {

int Decode(const std::string& two) {
    return (static_cast<unsigned char>(two[0]) - 34) * 96 + (static_cast<unsigned char>(two[1]) - 34);
}

TEST(IndexWriter, LineNumbersUseBytes34To129) {
    struct Case { int n; unsigned char b1, b2; };
    const Case cases[] = {{0, 34, 34}, {1, 34, 35}, {95, 34, 129}, {96, 35, 34}, {9000, 127, 106}};
    for (const auto& c : cases) {
        const std::string two = EncodeLineNumber(c.n);
        EXPECT_EQ(static_cast<unsigned char>(two[0]), c.b1) << c.n;
        EXPECT_EQ(static_cast<unsigned char>(two[1]), c.b2) << c.n;
    }
    for (int n = 0; n <= 9000; ++n) ASSERT_EQ(Decode(EncodeLineNumber(n)), n);
}

TEST(IndexWriter, FieldsHaveTheWidthOfTheirLayout) {
    EXPECT_EQ(IndexField(0x4E00, Layout::Han), "4E00");
    EXPECT_EQ(IndexField(0x4E00, Layout::Nom), "4E00 ");
    EXPECT_EQ(IndexField(0x2029B, Layout::Nom), "2029B");
}

TEST(IndexWriter, WritesLinesThenTheDirectoryWithCrLf) {
    IndexWriter writer("t.idx", Layout::Nom);
    writer.AddKey("x", writer.AddLine({0x4E00, 0x2029B}));
    writer.AddKey("ab", writer.AddLine({0x58F9}));
    writer.AddKey("aab", 1);
    EXPECT_EQ(writer.Bytes(), "4E00 2029B\r\n58F9 \r\n!\"\"!x \"#!ab \"#!aab \r\n");
}

TEST(IndexWriter, RefusesWhatTheLoaderOrSearchCannotRead) {
    IndexWriter han("t.idx", Layout::Han);
    const int line = han.AddLine({0x4E00});
    EXPECT_THROW(han.AddLine(std::vector<char32_t>(102, 0x4E00)), BuildError);
    EXPECT_NO_THROW(han.AddLine(std::vector<char32_t>(101, 0x4E00)));
    EXPECT_THROW(han.AddLine({0x2029B}), BuildError);  // five digits in a Han field
    EXPECT_THROW(han.AddLine({}), BuildError);
    for (const std::string key : {"", "abcdefghijklm", "a!b", "a b", "Ab"})
        EXPECT_THROW(han.AddKey(key, line), BuildError) << key;
    EXPECT_NO_THROW(han.AddKey("abcdefghijkl", line));
    EXPECT_THROW(han.AddKey("abcdefghijkl", line), BuildError);  // twice
    EXPECT_THROW(han.AddKey("zz", 7), BuildError);                // no such line
}

TEST(IndexWriter, StopsAt9000CandidateLines) {
    IndexWriter writer("t.idx", Layout::Han);
    for (int i = 0; i < kMaxIndexLines - 1; ++i) writer.AddLine({0x4E00});
    try {
        writer.AddLine({0x4E00});
        FAIL() << "line 9001 was accepted";
    } catch (const BuildError& e) {
        EXPECT_NE(std::string(e.what()).find("t.idx"), std::string::npos);
    }
}

}  // namespace
}  // namespace orvik::mkdata
