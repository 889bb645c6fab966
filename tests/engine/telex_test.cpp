#include "engine/telex.h"

#include <gtest/gtest.h>

#include "built_tables.h"

#include "engine/text.h"
#include "engine/viet_word_key.h"

namespace orvik {
namespace {

// The tone key goes behind the vowel that carries the tone; after gi or qu
// the a that follows at once carries it, a vowel between them takes it, as
// in giữa. CangJie Nôm keeps the keys as typed.
TEST(PlaceToneKey, MovesTheToneKeyBehindItsVowel) {
    struct Case { std::u16string_view word, placed; };
    const Case cases[] = {
        {u"hoaf", u"hofa"},     {u"quas", u"quas"},         {u"gias", u"gias"},         {u"muas", u"musa"},
        {u"uas", u"uas"},       {u"QUAS", u"QUSA"},         {u"hangf", u"hafng"},       {u"anhs", u"asnh"},
        {u"ooj", u"ooj"},       {u"tuyf", u"tufy"},         {u"quyf", u"quyf"},         {u"quis", u"quis"},
        {u"nguwowif", u"nguwowfi"}, {u"dduwowcj", u"dduwowjc"}, {u"af", u"af"},         {u"thuwowng", u"thuwowng"},
        {u"ass", u"as"},        {u"abs", u"ab"},            {u"caos", u"caso"},         {u"keox", u"kexo"},
        {u"hieeur", u"hieeru"}, {u"tuij", u"tuji"},         {u"tays", u"tasy"},         {u"muwaf", u"muwfa"},
        {u"huwux", u"huwxu"},   {u"khoer", u"khoer"},       {u"thoos", u"thoos"},       {u"chowij", u"chowji"},
        {u"gior", u"gior"},     {u"cuoocs", u"cuoosc"},     {u"HOAF", u"HOFA"},         {u"lawsc", u"lawsc"},
        {u"ddij", u"ddij"},     {u"giuwax", u"giuwxa"},     {u"giaf", u"giaf"},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceToneKey(c.word, false), c.placed) << U16ToUtf8(c.word);
    EXPECT_EQ(PlaceToneKey(u"hoaf", true), u"hoaf");
}

// Every entry composes from its own keys to its letter, in all four codes.
TEST(Compose, EachEntryComposesToItsLetterInEveryCode) {
    for (std::int16_t code : {kVietWareX, kTcvn3, kVniWindows}) {
        const LetterTables t = Built(code);
        for (int k = 0; k < kLetterEntries; ++k) {
            const std::u16string& keys = t.TelexKeys[k];
            EXPECT_EQ(ComposeForOutput(t, keys, false, false), t.CodeLetters[k])
                << U16ToUtf8(keys) << " code " << code;
            EXPECT_EQ(ComposeForOutput(t, keys, true, false), t.UnicodeLetters[k]) << U16ToUtf8(keys);
        }
    }
}

TEST(Compose, WordsInUnicode) {
    const LetterTables t = Built(kVietWareX);
    struct Case { std::u16string_view keys, word; };
    const Case cases[] = {
        {u"hoaf", u"hòa"},    {u"nguwowif", u"người"}, {u"dduwowcj", u"được"}, {u"quyf", u"quỳ"},
        {u"ass", u"á"},       {u"YJ", u"Ỵ"},           {u"aaa", u"âa"},        {u"ddd", u"đd"},
        {u"w", u"ư"},         {u"W", u"Ư"},            {u"uw", u"ư"},          {u"ddaadd", u"đâdd"},
        {u"Vieetj", u"Việt"}, {u"DDUWOWCJ", u"ĐƯỢC"},  {u"giuwax", u"giữa"},   {u"Giuwax", u"Giữa"},
        // A capital first key with a small second one composes the capital,
        // as the boxes show it.
        {u"Aw", u"Ă"},        {u"Ddaf", u"Đà"},        {u"Nawxng", u"Nẵng"},   {u"Own", u"Ơn"},
        {u"Aan", u"Ân"},      {u"Ee", u"Ê"},           {u"Uwowng", u"Ương"},   {u"dD", u"đ"},
    };
    for (const auto& c : cases) EXPECT_EQ(ComposeForOutput(t, c.keys, true, false), c.word) << U16ToUtf8(c.keys);
}

TEST(Compose, EightBitWordsFollowTheCaseOfTheFirstKey) {
    struct Case { std::int16_t code; std::u16string_view keys; std::u16string bytes; };
    const Case cases[] = {
        {kVniWindows, u"hoaf", u"ho\u00F8a"}, {kTcvn3, u"Haf", u"H\u00B5"}, {kTcvn3, u"Aw", u"\u00A1"},
        {kTcvn3, u"Dd", u"\u00A7"},           {kTcvn3, u"DD", u"\u00A7"},   {kTcvn3, u"dD", u"\u00AE"},
        {kVietWareX, u"aW", u"\u00E0"},       {kTcvn3, u"nguwowif", u"ng\u00AD\u00EAi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeForOutput(Built(c.code), c.keys, false, false), c.bytes) << U16ToUtf8(c.keys);
}

// The keys of a reading, as typed and as its index key: tone keys gathered
// at the end; uw, aw and ow spelt one way.
TEST(TelexKeys, GatherToneKeysAtTheEnd) {
    struct Rule { const char* name; std::u16string (*convert)(std::u16string_view); };
    const Rule unplace{"UnplaceToneKeys", UnplaceToneKeys}, index{"ReadingToIndexKey", ReadingToIndexKey},
        normalise{"NormaliseTypedCode", NormaliseTypedCode}, wordKey{"VietWordKey", VietWordKey};
    struct Case { const Rule& rule; std::u16string_view word, keys; };
    const Case cases[] = {
        {unplace, u"hosa", u"hoas"},          {unplace, u"tra", u"tra"},     {unplace, u"trar", u"trar"},
        {unplace, u"trfa", u"traf"},          {unplace, u"Sa", u"Sa"},       {unplace, u"", u""},
        {unplace, u"s", u"s"},                {unplace, u"hafng", u"hangf"}, {unplace, u"nguwowfi", u"nguwowif"},
        {unplace, u"sfa", u"saf"},            {unplace, u"axsx", u"axsx"},
        {index, u"trangf", u"trangf"},        {index, u"hofa", u"hoaf"},     {index, u"xa", u"xa"},
        {index, u"ars", u"asr"},              {index, u"nguwowfi", u"nguwowif"}, {index, u"hafng", u"hangf"},
        {index, u"hoar", u"hoar"},            {index, u"horang", u"hoangr"}, {index, u"sa", u"sa"},
        {index, u"ffa", u"faf"},              {index, u"rar", u"rar"},       {index, u"tra", u"tra"},
        {normalise, u" NguwowFi ", u"ngwowif"}, {normalise, u"yi1", u"yi1"},
        {wordKey, u"tw", u"tuw"},             {wordKey, u"ngwowif", u"nguwowif"}, {wordKey, u"tiesng", u"tiengs"},
        {wordKey, u"aw", u"aw"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.rule.convert(c.word), c.keys) << c.rule.name << " " << U16ToUtf8(c.word);
}

TEST(UnicodeToTelex, GivesKeysThatComposeBackToTheWord) {
    const LetterTables t = Built(kVietWareX);
    struct Case { std::u16string_view word, keys; };
    const Case cases[] = {
        {u"người", u"nguwowif"}, {u"được", u"dduwowcj"}, {u"hòa", u"hoaf"}, {u"Thơ", u"Thow"},
        {u"giá", u"gias"},       {u"nhất", u"nhaats"},   {u"a", u"a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnicodeToTelex(t, c.word), c.keys) << U16ToUtf8(c.word);
        EXPECT_EQ(ComposeForOutput(t, UnicodeToTelex(t, c.word), true, false), c.word);
    }
}

}  // namespace
}  // namespace orvik
