#include "engine/telex.h"

#include <gtest/gtest.h>

#include "built_tables.h"

#include "engine/code_decoder.h"
#include "engine/text.h"

namespace orvik {
namespace {

std::string Narrow(std::u16string_view s) { return U16ToUtf8(s); }

TEST(PlaceToneKey, MovesTheToneKeyBehindItsVowel) {
    struct Case { std::u16string_view word, placed; };
    const Case cases[] = {
        {u"hoaf", u"hofa"},         {u"quas", u"quas"},     {u"gias", u"gias"},
        {u"muas", u"musa"},         {u"uas", u"uas"},       {u"ias", u"ias"},
        {u"QUAS", u"QUSA"},         {u"hangf", u"hafng"},   {u"anhs", u"asnh"},
        {u"ooj", u"ooj"},           {u"tuyf", u"tufy"},     {u"quyf", u"quyf"},
        {u"quis", u"quis"},         {u"nguwowif", u"nguwowfi"}, {u"dduwowcj", u"dduwowjc"},
        {u"as", u"as"},             {u"af", u"af"},         {u"thuwowng", u"thuwowng"},
        {u"ass", u"as"},            {u"abs", u"ab"},        {u"muaf", u"mufa"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceToneKey(c.word, false), c.placed) << Narrow(c.word);
}

TEST(PlaceToneKey, VowelPairsTakeTheToneOnTheRightVowel) {
    struct Case { std::u16string_view word, placed; };
    const Case cases[] = {
        {u"caos", u"caso"}, {u"keox", u"kexo"}, {u"hieeur", u"hieeru"}, {u"tuij", u"tuji"},
        {u"tois", u"tosi"}, {u"tays", u"tasy"}, {u"muwaf", u"muwfa"},  {u"huwux", u"huwxu"},
        {u"khoer", u"khoer"}, {u"thoos", u"thoos"}, {u"chowij", u"chowji"}, {u"gior", u"gior"},
        {u"cuoocs", u"cuoosc"}, {u"Hoaf", u"Hofa"}, {u"HOAF", u"HOFA"},   {u"lawsc", u"lawsc"},
        {u"ddij", u"ddij"},
        // After gi or qu the a that follows at once carries the tone; a
        // vowel between them takes it, as in giữa.
        {u"giuwax", u"giuwxa"}, {u"giuwaf", u"giuwfa"}, {u"quas", u"quas"}, {u"giaf", u"giaf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceToneKey(c.word, false), c.placed) << Narrow(c.word);
}

TEST(PlaceToneKey, CangJieNomKeepsTheKeysAsTyped) {
    EXPECT_EQ(PlaceToneKey(u"hoaf", true), u"hoaf");
    EXPECT_EQ(PlaceToneKey(u"abs", true), u"abs");
}

// Every entry composes from its own keys to its letter, in all four codes.
TEST(Compose, EachEntryComposesToItsLetterInEveryCode) {
    for (std::int16_t code : {kVietWareX, kTcvn3, kVniWindows}) {
        const LetterTables t = Built(code);
        for (int k = 0; k < kLetterEntries; ++k) {
            const std::u16string& keys = t.TelexKeys[k];
            EXPECT_EQ(ComposeForOutput(t, keys, false, false), t.CodeLetters[k])
                << Narrow(keys) << " code " << code;
            EXPECT_EQ(ComposeForOutput(t, keys, true, false), t.UnicodeLetters[k]) << Narrow(keys);
        }
    }
}

TEST(Compose, WordsInUnicode) {
    const LetterTables t = Built(kVietWareX);
    struct Case { std::u16string_view keys, word; };
    const Case cases[] = {
        {u"hoaf", u"hòa"},        {u"quas", u"quá"},       {u"gias", u"giá"},
        {u"muas", u"múa"},        {u"nguwowif", u"người"}, {u"dduwowcj", u"được"},
        {u"hangf", u"hàng"},      {u"tuyf", u"tùy"},       {u"quyf", u"quỳ"},
        {u"ass", u"á"},           {u"abs", u"ab"},         {u"YJ", u"Ỵ"},
        {u"aaa", u"âa"},          {u"ddd", u"đd"},         {u"w", u"ư"},
        {u"W", u"Ư"},             {u"uw", u"ư"},           {u"Aw", u"Ă"},
        {u"ddaadd", u"đâdd"},     {u"Vieetj", u"Việt"},    {u"DDUWOWCJ", u"ĐƯỢC"},
        {u"thuwowng", u"thương"}, {u"", u""},              {u"x", u"x"},
        {u"giuwax", u"giữa"},     {u"Giuwax", u"Giữa"},
        // A capital first key with a small second one composes the capital,
        // as the boxes show it.
        {u"Ddaf", u"Đà"},         {u"Nawxng", u"Nẵng"},    {u"Own", u"Ơn"},
        {u"Aan", u"Ân"},          {u"Ee", u"Ê"},           {u"Uwowng", u"Ương"},
        {u"dD", u"đ"},
    };
    for (const auto& c : cases) EXPECT_EQ(ComposeForOutput(t, c.keys, true, false), c.word) << Narrow(c.keys);
}

TEST(Compose, EightBitWordsFollowTheCaseOfTheFirstKey) {
    struct Case { std::int16_t code; std::u16string_view keys; std::u16string bytes; };
    const Case cases[] = {
        {kVniWindows, u"hoaf", u"ho\u00F8a"},
        {kTcvn3, u"Haf", u"H\u00B5"},
        {kTcvn3, u"Aw", u"\u00A1"},
        {kTcvn3, u"Dd", u"\u00A7"},
        {kTcvn3, u"DD", u"\u00A7"},
        {kTcvn3, u"dD", u"\u00AE"},
        {kVietWareX, u"aW", u"\u00E0"},
        {kTcvn3, u"nguwowif", u"ng\u00AD\u00EAi"},
    };
    for (const auto& c : cases) {
        const LetterTables t = Built(c.code);
        EXPECT_EQ(ComposeForOutput(t, c.keys, false, false), c.bytes) << Narrow(c.keys);
    }
}

TEST(UnplaceToneKeys, GathersSmallToneKeysAtTheEnd) {
    struct Case { std::u16string_view word, keys; };
    const Case cases[] = {
        {u"hosa", u"hoas"}, {u"tra", u"tra"}, {u"trar", u"trar"}, {u"trfa", u"traf"},
        {u"Sa", u"Sa"},     {u"", u""},       {u"s", u"s"},       {u"hafng", u"hangf"},
        {u"nguwowfi", u"nguwowif"}, {u"sfa", u"saf"}, {u"axsx", u"axsx"},
    };
    for (const auto& c : cases) EXPECT_EQ(UnplaceToneKeys(c.word), c.keys) << Narrow(c.word);
}

TEST(ReadingToIndexKey, PutsToneKeysBehindTheLastLetter) {
    struct Case { std::u16string_view word, key; };
    const Case cases[] = {
        {u"trangf", u"trangf"}, {u"hofa", u"hoaf"},         {u"xa", u"xa"},
        {u"ars", u"asr"},       {u"nguwowfi", u"nguwowif"}, {u"hafng", u"hangf"},
        {u"hoar", u"hoar"},     {u"horang", u"hoangr"},     {u"sa", u"sa"},
        {u"ffa", u"faf"},       {u"rar", u"rar"},           {u"tra", u"tra"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadingToIndexKey(c.word), c.key) << Narrow(c.word);
}

TEST(NormaliseTypedCode, TrimsLowersAndWritesUwAsW) {
    EXPECT_EQ(NormaliseTypedCode(u" NguwowFi "), u"ngwowif");
    EXPECT_EQ(NormaliseTypedCode(u"nhaats"), u"nhaats");
    EXPECT_EQ(NormaliseTypedCode(u"yi1"), u"yi1");
}

TEST(UnicodeToTelex, GivesKeysThatComposeBackToTheWord) {
    const LetterTables t = Built(kVietWareX);
    struct Case { std::u16string_view word, keys; };
    const Case cases[] = {
        {u"người", u"nguwowif"}, {u"được", u"dduwowcj"}, {u"hòa", u"hoaf"},
        {u"Thơ", u"Thow"},       {u"giá", u"gias"},      {u"nhất", u"nhaats"},
        {u"a", u"a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnicodeToTelex(t, c.word), c.keys) << Narrow(c.word);
        EXPECT_EQ(ComposeForOutput(t, UnicodeToTelex(t, c.word), true, false), c.word);
    }
}

}  // namespace
}  // namespace orvik
