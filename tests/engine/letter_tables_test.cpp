// The letters of each code, and the decoder that reads them back.
#include "engine/letter_tables.h"

#include <gtest/gtest.h>

#include "built_tables.h"

#include "engine/code_decoder.h"
#include "engine/telex.h"
#include "engine/text.h"

namespace orvik {
namespace {

// Unknown code numbers load the VietWare-X letters.
TEST(LetterTables, EveryCodeLoads146EntriesAndLeavesTheRestEmpty) {
    for (std::int16_t code : {0, 1, 2, 3, 4, 99}) {
        const LetterTables t = Built(code);
        EXPECT_EQ(t.LetterCount, 146) << code;
        for (int k = 0; k < kLetterEntries; ++k) {
            EXPECT_FALSE(t.TelexKeys[k].empty());
            EXPECT_FALSE(t.CodeLetters[k].empty());
            EXPECT_EQ(t.UnicodeLetters[k].size(), 1u);
        }
        for (int k = kLetterEntries; k < kLetterSlots; ++k)
            EXPECT_TRUE(t.TelexKeys[k].empty() && t.CodeLetters[k].empty() && t.UnicodeLetters[k].empty());
    }
}

TEST(LetterTables, CapitalsFollowTheDerivationRules) {
    const LetterTables tcvn = Built(kTcvn3), vni = Built(kVniWindows), vw = Built(kVietWareX);
    struct Case { const LetterTables* tables; int slot; std::u16string bytes; };
    const Case cases[] = {
        {&tcvn, 105, u"\u00DC"},        // IX: the small letter's byte
        {&tcvn, 73, u"\u00A7"},         // DD
        {&tcvn, 79, u"\u00A1"},         // AW
        {&tcvn, 134, u"\u00A6"},        // UW
        {&tcvn, 140, u"\u00A6"},        // W
        {&vw, 74, u"\u00C0\u00D5"},     // AWS from E0 F5
        {&vni, 145, u"\u00CE"},         // YJ from EE
        {&vni, 74, u"\u0041\u00C9"},    // AWS from 61 E9
        {&vni, 73, u"\u00D1"},          // DD from F1
        {&vw, 86, u"\u0041\u00CF"},     // AS from 61 EF
        {&vni, 86, u"\u0041\u00D9"},    // AS from 61 F9
    };
    for (const auto& c : cases) EXPECT_EQ(c.tables->CodeLetters[c.slot], c.bytes) << c.slot;
}

// Every entry decodes to its letter and its keys compose back to its bytes.
// TCVN3 writes toned capitals with the small letter's byte: such entries
// decode to the small letter.
TEST(CodeDecoder, EveryEntryRoundTripsInEachCode) {
    for (std::int16_t code : {kVietWareX, kTcvn3, kVniWindows}) {
        const LetterTables t = Built(code);
        const CodeDecoder decoder(code);
        for (int k = 0; k < kLetterEntries; ++k) {
            const bool smallBytes =
                k >= kSmallLetterEntries && t.CodeLetters[k] == t.CodeLetters[k - kSmallLetterEntries];
            const std::u16string decoded = decoder.Decode(t.CodeLetters[k]);
            EXPECT_EQ(decoded, smallBytes ? LCase(t.UnicodeLetters[k]) : t.UnicodeLetters[k])
                << "code " << code << " entry " << k + 1;
            EXPECT_EQ(TelexToCode(t, UnicodeToTelex(t, decoded)), t.CodeLetters[k]);
        }
    }
}

TEST(CodeDecoder, DecodesWholeWordsAndMapsOtherBytesThroughWindows1252) {
    const LetterTables vni = Built(kVniWindows);
    const CodeDecoder decoder(kVniWindows);
    EXPECT_EQ(decoder.Decode(TelexToCode(vni, PlaceToneKey(u"nguwowif", false))), u"người");
    EXPECT_EQ(CodeDecoder(kTcvn3).Decode(u"H\u00B5 \u0080!"), u"Hà €!");
    EXPECT_EQ(Windows1252(0x81), 0x81);
    EXPECT_EQ(Windows1252(0x9F), 0x178);
}

}  // namespace
}  // namespace orvik
