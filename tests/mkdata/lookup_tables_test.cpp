#include "lookup_tables.h"

#include <gtest/gtest.h>

#include "source_files.h"
#include "unihan_sample.h"

namespace orvik::mkdata {
namespace {

TEST(LookupTables, LinesHaveTheShapesTheLookUpsSearch) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(Big5Line(chars), "/a44019968/a7da20497/b3dc22777/");
    // 们 (20204) and 弌 (24332) have no Big5 code; they show 們 and 一.
    EXPECT_EQ(VariantLine(chars), "2049720204/1996824332/");
    EXPECT_EQ(NomLine(chars), "19968/20204/22777/131739/");
    EXPECT_EQ(Big5UniFile(chars), Big5Line(chars) + "\r\n" + VariantLine(chars) + "\r\n" + NomLine(chars) + "\r\n");
}

TEST(LookupTables, ReadingTablesKeyByBig5CodeAndByCodePoint) {
    const Characters chars = SampleCharacters();
    EXPECT_EQ(HanReadingTable(chars), "a440:nhất/nhứt\\a7da:môn\\b3dc:nhất\\\r\n");
    EXPECT_EQ(NomReadingTable(chars), "4E00:nhất/nhứt\\4EEC:môn\\5011:môn\\58F9:nhất\\2029B:người\\\r\n");
}

}  // namespace
}  // namespace orvik::mkdata
