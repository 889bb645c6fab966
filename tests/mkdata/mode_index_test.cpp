#include "mode_index.h"

#include <gtest/gtest.h>

namespace orvik::mkdata {
namespace {

std::vector<char32_t> Ascending(const std::string&, const std::set<char32_t>& set) { return {set.begin(), set.end()}; }

TEST(ModeIndex, CountsReachedAndLostCharactersWithTheirReason) {
    KeyedCharacters keyed;
    for (char32_t cp = 0x4E00; cp < 0x4E00 + 103; ++cp) keyed.byKey["yi4"].insert(cp);
    keyed.byKey["yi1"] = {0x4E00};
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

TEST(ModeIndex, SecondKeysLeadToTheLineOfTheirSearchKey) {
    KeyedCharacters keyed;
    keyed.byKey["ngwowif"] = {0x2029B};
    keyed.byKey["a"] = {0x4E00};
    keyed.aliases["nguwowif"] = "ngwowif";
    const BuiltIndex built = BuildModeIndex("t.idx", Layout::Nom, {0x2029B, 0x4E00}, keyed, Ascending);
    EXPECT_EQ(built.bytes, "4E00 \r\n2029B\r\n!\"\"!a \"#!ngwowif \"#!nguwowif \r\n");
}

}  // namespace
}  // namespace orvik::mkdata
