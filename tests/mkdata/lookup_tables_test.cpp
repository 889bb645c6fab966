#include "lookup_tables.h"

#include <gtest/gtest.h>

#include "source_files.h"
#include "unihan_sample.h"

namespace orvik::mkdata {
namespace {

// ，(a141, rewritten by the corrections), 「 (a175) and a symbol with the code
// of 一, which the ideograph keeps.
const std::vector<Big5Symbol> kSymbols = {{0xA141, 0xFF0C}, {0xA175, 0x300C}, {0xA440, 0x2460}};

// 禾 has no reading of its own or of a variant.
Characters WithPrediction(bool transcribed) {
    Characters chars = SampleCharacters();
    chars.SetPrediction(0x79BE, {{"hòa", "hoa"}, "Quảng Đông wo4", transcribed, true});
    return chars;
}

TEST(LookupTables, LinesHaveTheShapesTheLookUpsSearch) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(Big5Line(chars, {}), "/a44019968/a5dd31166/a7da20497/b3dc22777/");
    EXPECT_EQ(Big5Line(chars, kSymbols), "/a14165292/a17512300/a44019968/a5dd31166/a7da20497/b3dc22777/");
    // 们 (20204) and 弌 (24332) have no Big5 code; they show 們 and 一.
    EXPECT_EQ(VariantLine(chars), "2049720204/1996824332/");
    EXPECT_EQ(NomLine(chars), "19968/20204/22777/131739/");
    EXPECT_EQ(Big5UniFile(chars, kSymbols),
              Big5Line(chars, kSymbols) + "\r\n" + VariantLine(chars) + "\r\n" + NomLine(chars) + "\r\n");
}

TEST(LookupTables, ReadingTablesKeyByBig5CodeAndByCodePoint) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(HanReadingTable(chars, {}, {}), "a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_EQ(NomReadingTable(chars),
              "4E00:nhất/nhứt\\4EEC:môn\\5011:môn\\58F9:nhất\\5F0C:nhất/nhứt\\2029B:người\\\r\n");
}

TEST(LookupTables, SymbolsReadAsThemselvesUnlessACorrectionRewritesTheirCode) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(HanReadingTable(chars, kSymbols, {"a141"}), "a175:「\\a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_EQ(HanReadingTable(chars, {{0xA149, 0xFF01}, {0xA142, 0x3001}}, {}),
              "a142:,\\a149:!\\a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    // Fullwidth "／" and "＼" would read as the separators of the table.
    EXPECT_EQ(HanReadingTable(chars, {{0xA1FE, 0xFF0F}, {0xA240, 0xFF3C}}, {}), HanReadingTable(chars, {}, {}));
    EXPECT_EQ(CorrectedCodes(" a141/,\r\n ./.\r\n ff0c/,\r\n 3002 /. \r\n a1d0/.\r\n"),
              (std::set<std::string>{"a141", "a1d0", "ff0c"}));
}

TEST(LookupTables, PredictionIsMarkedAndListedOnlyWhereTheTranscriptionShowsIt) {
    EXPECT_EQ(HanReadingTable(WithPrediction(true), {}, {}),
              "a440:nhất/nhứt\\a5dd:hòa*\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_NE(NomReadingTable(WithPrediction(true)).find("\\79BE:hòa*\\"), std::string::npos);
    EXPECT_EQ(HanReadingTable(WithPrediction(false), {}, {}), HanReadingTable(SampleCharacters(), {}, {}));
    EXPECT_EQ(NomReadingTable(WithPrediction(false)).find("79BE"), std::string::npos);
}

}  // namespace
}  // namespace orvik::mkdata
