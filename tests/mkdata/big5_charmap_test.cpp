#include "big5_charmap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "source_files.h"
#include "unihan_sample.h"

namespace orvik::mkdata {
namespace {

TEST(Big5Charmap, TakesTheTwoByteEntriesOfTheCharmap) {
    const std::string text =
        "<code_set_name> BIG5\n% <UFF0C> /xa1/x40 commented out\nCHARMAP\n<U0021>     /x21         EXCLAMATION MARK\n"
        "<UFF0C>     /xa1/x41     FULLWIDTH COMMA\r\n<U3002>\t\t/xa1/x43\tIDEOGRAPHIC FULL STOP\n<U4E00>     /xa4/x40\n"
        "<UZZZZ>     /xa1/x44\nEND CHARMAP\n";
    EXPECT_EQ(CharmapEntries(text), (std::vector<Big5Symbol>{{0xA141, 0xFF0C}, {0xA143, 0x3002}, {0xA440, 0x4E00}}));
}

// Ideographs keep Unihan's codes; a character listed twice keeps its first code.
TEST(Big5Charmap, SymbolsAreWhatUnihanDoesNotList) {
    const Characters chars = SampleCharacters();
    const std::vector<Big5Symbol> entries = {
        {0xA440, 0x4E00}, {0xA1C3, 0xFFE3}, {0xA143, 0x3002}, {0xA1C5, 0xFFE3}, {0xA5DD, 0x2460}};
    EXPECT_EQ(Big5Symbols(entries, chars), (std::vector<Big5Symbol>{{0xA143, 0x3002}, {0xA1C3, 0xFFE3}}));
}

TEST(Big5Charmap, GlibcCharmapHoldsThePunctuation) {
    const auto entries = CharmapEntries(ReadGzFile("/usr/share/i18n/charmaps/BIG5.gz", "locales"));
    const auto symbols = Big5Symbols(entries, SampleCharacters());
    for (const Big5Symbol& expected : {Big5Symbol{0xA141, 0xFF0C}, {0xA143, 0x3002}, {0xA1D0, 0xFF0D}})
        EXPECT_NE(std::find(symbols.begin(), symbols.end(), expected), symbols.end()) << std::hex << expected.big5;
}

}  // namespace
}  // namespace orvik::mkdata
