#include <gtest/gtest.h>

#include "build_error.h"
#include "syllables.h"
#include "text_files.h"

namespace orvik::mkdata {
namespace {

TEST(Syllables, LowerCaseTelexWordsOfTheDictionaryOnly) {
    const auto syllables = SyllablesOfDictionary("7\nABC\nNguyễn\nngười\nbông\nboong/F\nmix2\nngười\n");
    ASSERT_EQ(syllables.size(), 3u);
    EXPECT_EQ(syllables[0].word, "người");
    EXPECT_EQ(syllables[0].telex, "nguwowif");
    EXPECT_EQ(syllables[0].pageKey, "nguwowif");
    EXPECT_EQ(syllables[2].word, "boong");
}

TEST(Syllables, WordListHasOneKeyPerPageAndCollisionsShareIt) {
    const auto syllables = SyllablesOfDictionary("3\nbông\nboong\năn\n");
    const auto pages = ByPageKey(syllables);
    EXPECT_EQ(pages.at("boong").size(), 2u);
    EXPECT_EQ(WordListFile(pages), "/awn/boong");
}

TEST(CorrectionList, KeepsPairsAndRefusesALineWithoutFrom) {
    EXPECT_EQ(CorrectionList(" ./.\n ,/,\r\n\n"), " ./.\r\n ,/,\r\n");
    EXPECT_THROW(CorrectionList(" ./.\nno pair\n"), BuildError);
    EXPECT_THROW(CorrectionList("/x\n"), BuildError);
}

}  // namespace
}  // namespace orvik::mkdata
