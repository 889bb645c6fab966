// The candidate indexes: their lines and directory as the search reads
// them, the keys each code is written under, and the Nôm index's
// conversion by the program's own converter.
#include <gtest/gtest.h>

#include "build_error.h"
#include "characters.h"
#include "index_conversion.h"
#include "index_writer.h"
#include "mode_index.h"
#include "mode_indexes.h"
#include "unihan.h"

namespace orvik::mkdata {
namespace {

// A line number is two bytes from 34 on, 96 numbers a byte.
TEST(IndexWriter, LineNumbersUseBytes34To129) {
    for (int n = 0; n <= 9000; ++n) {
        const std::string two = EncodeLineNumber(n);
        const int high = static_cast<unsigned char>(two[0]) - 34, low = static_cast<unsigned char>(two[1]) - 34;
        ASSERT_TRUE(high >= 0 && low >= 0 && low < 96 && high * 96 + low == n) << n;
    }
}

// Nôm fields are five wide, Han fields four.
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

    // The search reads 9000 candidate lines; the refusal of one more names the file.
    while (han.LineCount() < 9000) han.AddLine({0x4E00});
    try {
        han.AddLine({0x4E00});
        FAIL() << "line 9001 was accepted";
    } catch (const BuildError& e) {
        EXPECT_NE(std::string(e.what()).find("t.idx"), std::string::npos);
    }
}

// Supplementary characters become private-use codes, which the program's
// conversion turns back; inputs it would refuse stop the build.
TEST(IndexConversion, TheProgramsConversionOfTheInputsGivesTheIndexBack) {
    const std::string nomIndex = "4E00 2029B\r\n2A6D620000\r\n9F99 \r\n!\"\"!m \"#!hb \"$!ab \r\n";
    const ConversionInputs inputs = MakeConversionInputs(nomIndex);
    EXPECT_EQ(inputs.dxx, "4E00E000\r\nE001E002\r\n9F99\r\n!\"\"!m \"#!hb \"$!ab \r\n");
    EXPECT_EQ(inputs.machuan, "/57344:131739/57345:173782/57346:131072/\r\n");
    EXPECT_EQ(ConvertedIndexBytes(inputs), nomIndex);
    EXPECT_THROW(ConvertedIndexBytes({"E000\r\n!\"\"!a \r\n", "57344:131072/\r\n"}), BuildError);
}

std::vector<char32_t> Ascending(const std::string&, const std::set<char32_t>& set) { return {set.begin(), set.end()}; }

// Two codes of one key: their line is cut as any overlong line.
TEST(ModeIndex, CountsReachedAndLostCharactersWithTheirReason) {
    KeyedCharacters keyed;
    std::vector<char32_t> source;
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 103; ++cp) {
        keyed.byCode[cp % 2 ? "afh" : "ahf"].insert(cp);
        source.push_back(cp);
    }
    keyed.byCode["yi1"] = {0x4E00};
    keyed.unkeyed[0x9999] = "no code";
    source.push_back(0x9999);

    const IndexCoverage coverage = BuildModeIndex("t.idx", Layout::Han, source, keyed, Ascending).coverage;
    EXPECT_EQ(std::tuple(coverage.sourceSize, coverage.reachable, coverage.longestLine, coverage.linesUsed),
              std::tuple(104u, 101u, 101u, 3));
    EXPECT_EQ(coverage.lost, (std::map<std::string, std::size_t>{
                                 {"no code", 1}, {"beyond the 101 characters of each of its lines", 2}}));
}

// Codes are written under the key the search looks up; codes with one key
// share a line holding both codes' characters in the index's order.
TEST(ModeIndex, TypedCodesAreWrittenUnderTheirSearchKey) {
    struct Case {
        std::map<std::string, std::set<char32_t>> byCode;
        std::string bytes;
        std::size_t keys, merged;
    };
    const Case cases[] = {
        {{{"afh", {0x5F71}}, {"ahf", {0x66DB, 0x4E00}}}, "4E005F7166DB\r\n!\"\"!ahf \r\n", 1, 1},
        {{{"er2", {0x800C}}, {"er4", {0x4E8C}}}, "800C\r\n4E8C\r\n!\"\"!e2r \"#!e4r \r\n", 2, 0},
        {{{"nguwowif", {0x4E8C}}, {"ngwowif", {0x4E00}}}, "4E004E8C\r\n!\"\"!ngwowif \r\n", 1, 1},
        {{{"afx", {0x4E01}}, {"axf", {0x4E02}}}, "4E02\r\n4E01\r\n!\"\"!afx \"#!axf \r\n", 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.byCode.begin()->first);
        const BuiltIndex built = BuildModeIndex("t.idx", Layout::Han, {}, {c.byCode, {}}, Ascending);
        EXPECT_EQ(built.bytes, c.bytes);
        EXPECT_EQ(built.coverage.typedCodes, c.byCode.size());
        EXPECT_EQ(built.coverage.keys, c.keys);
        EXPECT_EQ(built.coverage.mergedKeys, c.merged);
    }
}

// The order puts the merged line in order and is asked with the search key.
TEST(ModeIndex, TheOrderSeesTheSearchKeyAndTheWholeLine) {
    std::vector<std::string> asked;
    const CandidateOrder descending = [&asked](const std::string& key, const std::set<char32_t>& set) {
        asked.push_back(key);
        return std::vector<char32_t>(set.rbegin(), set.rend());
    };
    const KeyedCharacters keyed{{{"afh", {0x5F71}}, {"ahf", {0x66DB}}}, {}};
    const BuiltIndex built = BuildModeIndex("t.idx", Layout::Han, {0x5F71, 0x66DB}, keyed, descending);
    EXPECT_EQ(built.bytes, "66DB5F71\r\n!\"\"!ahf \r\n");
    EXPECT_EQ(asked, std::vector<std::string>{"ahf"});
    EXPECT_EQ(built.coverage.reachable, 2u);
}

// "er4" is looked up as "e4r": the characters whose main reading is èr still
// lead that key's line, though 而 is the more frequent and èr only a
// secondary reading of it.
TEST(ModeIndexes, PinYinPutsMainReadingsFirstUnderTheSearchKey) {
    Unihan unihan(WantedUnihanFields());
    unihan.AddText(
        "U+4E8C\tkBigFive\tA447\nU+4E8C\tkMandarin\tèr\nU+4E8C\tkFrequency\t2\n"
        "U+800C\tkBigFive\tA6D3\nU+800C\tkMandarin\tér\nU+800C\tkHanyuPinyin\t30001.010:ér,èr\n"
        "U+800C\tkFrequency\t1\n");
    EXPECT_EQ(BuildPinYin(Characters(unihan)).bytes, "800C\r\n4E8C800C\r\n!\"\"!e2r \"#!e4r \r\n");
}

}  // namespace
}  // namespace orvik::mkdata
