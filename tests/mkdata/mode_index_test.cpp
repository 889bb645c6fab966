#include "mode_index.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

std::vector<char32_t> Ascending(const std::string&, const std::set<char32_t>& set) { return {set.begin(), set.end()}; }

TEST(ModeIndex, CountsReachedAndLostCharactersWithTheirReason) {
    KeyedCharacters keyed;
    // Two codes of one key: their line is cut as any overlong line.
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 103; ++cp) keyed.byCode[cp % 2 ? "afh" : "ahf"].insert(cp);
    keyed.byCode["yi1"] = {0x4E00};
    keyed.unkeyed[0x9999] = "no code";
    std::vector<char32_t> source;
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 103; ++cp) source.push_back(cp);
    source.push_back(0x9999);

    const BuiltIndex built = BuildModeIndex("t.idx", Layout::Han, source, keyed, Ascending);
    EXPECT_EQ(built.coverage.sourceSize, 104u);
    EXPECT_EQ(built.coverage.reachable, 101u);
    EXPECT_EQ(built.coverage.longestLine, 101u);
    EXPECT_EQ(built.coverage.linesUsed, 3);
    EXPECT_EQ(built.coverage.lost.at("no code"), 1u);
    EXPECT_EQ(built.coverage.lost.at("beyond the 101 characters of each of its lines"), 2u);
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
        KeyedCharacters keyed;
        keyed.byCode = c.byCode;
        const BuiltIndex built = BuildModeIndex("t.idx", Layout::Han, {}, keyed, Ascending);
        EXPECT_EQ(built.bytes, c.bytes) << c.byCode.begin()->first;
        EXPECT_EQ(built.coverage.typedCodes, c.byCode.size());
        EXPECT_EQ(built.coverage.keys, c.keys);
        EXPECT_EQ(built.coverage.mergedKeys, c.merged);
    }
}

// The order puts the merged line in order and is asked with the search key.
TEST(ModeIndex, TheOrderSeesTheSearchKeyAndTheWholeLine) {
    KeyedCharacters keyed;
    keyed.byCode = {{"afh", {0x5F71}}, {"ahf", {0x66DB}}};
    std::vector<std::string> asked;
    const CandidateOrder descending = [&asked](const std::string& key, const std::set<char32_t>& set) {
        asked.push_back(key);
        return std::vector<char32_t>(set.rbegin(), set.rend());
    };
    const BuiltIndex built = BuildModeIndex("t.idx", Layout::Han, {0x5F71, 0x66DB}, keyed, descending);
    EXPECT_EQ(built.bytes, "66DB5F71\r\n!\"\"!ahf \r\n");
    EXPECT_EQ(asked, std::vector<std::string>{"ahf"});
    EXPECT_EQ(built.coverage.reachable, 2u);
}

}  // namespace
}  // namespace orvik::mkdata
