#include "engine/code_decoder.h"

#include <gtest/gtest.h>

#include "built_tables.h"

#include "engine/letter_tables.h"
#include "engine/telex.h"
#include "engine/text.h"

namespace orvik {
namespace {

// TCVN3 writes toned capitals with the small letter's byte: such entries
// decode to the small letter.
bool SharesTheSmallLettersBytes(const LetterTables& t, int k) {
    return k >= kSmallLetterEntries && t.CodeLetters[k] == t.CodeLetters[k - kSmallLetterEntries];
}

TEST(CodeDecoder, EveryEntryRoundTripsInEachCode) {
    for (std::int16_t code : {kVietWareX, kTcvn3, kVniWindows}) {
        const LetterTables t = Built(code);
        const CodeDecoder decoder(code);
        for (int k = 0; k < kLetterEntries; ++k) {
            const std::u16string decoded = decoder.Decode(t.CodeLetters[k]);
            const std::u16string expected = SharesTheSmallLettersBytes(t, k)
                                                ? LCase(t.UnicodeLetters[k])
                                                : t.UnicodeLetters[k];
            EXPECT_EQ(decoded, expected) << "code " << code << " entry " << k + 1;
            EXPECT_EQ(TelexToCode(t, UnicodeToTelex(t, decoded)), t.CodeLetters[k]);
        }
    }
}

TEST(CodeDecoder, DecodesWholeWordsAndMapsOtherBytesThroughWindows1252) {
    const LetterTables vni = Built(kVniWindows);
    const CodeDecoder decoder(kVniWindows);
    EXPECT_EQ(decoder.Decode(TelexToCode(vni, PlaceToneKey(u"nguwowif", false))), u"người");
    EXPECT_EQ(decoder.Decode(TelexToCode(vni, PlaceToneKey(u"hoaf", false))), u"hòa");
    EXPECT_EQ(CodeDecoder(kTcvn3).Decode(u"H\u00B5 \u0080!"), u"Hà €!");
    EXPECT_EQ(Windows1252(0x81), 0x81);
    EXPECT_EQ(Windows1252(0x9F), 0x178);
}

}  // namespace
}  // namespace orvik
