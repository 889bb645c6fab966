#include "engine/letter_tables.h"

#include <gtest/gtest.h>

#include "built_tables.h"

#include "engine/text.h"

namespace orvik {
namespace {

std::u16string Bytes(std::initializer_list<int> bytes) {
    std::u16string out;
    for (int b : bytes) out.push_back(static_cast<char16_t>(b));
    return out;
}

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

TEST(LetterTables, OtherNumbersLoadTheVietWareLetters) {
    const LetterTables vietware = Built(kVietWareX);
    for (std::int16_t code : {0, 4, -1})
        EXPECT_EQ(Built(code).CodeLetters, vietware.CodeLetters) << code;
}

TEST(LetterTables, CapitalsFollowTheDerivationRules) {
    const LetterTables tcvn = Built(kTcvn3), vni = Built(kVniWindows), vw = Built(kVietWareX);
    struct Case { const LetterTables* tables; int slot; std::u16string bytes; };
    const Case cases[] = {
        {&tcvn, 4, Bytes({0xBD})},         // awx
        {&tcvn, 105, Bytes({0xDC})},       // IX: the small letter's byte
        {&tcvn, 73, Bytes({0xA7})},        // DD
        {&tcvn, 79, Bytes({0xA1})},        // AW
        {&tcvn, 134, Bytes({0xA6})},       // UW
        {&tcvn, 140, Bytes({0xA6})},       // W
        {&vw, 74, Bytes({0xC0, 0xD5})},    // AWS from E0 F5
        {&vni, 145, Bytes({0xCE})},        // YJ from EE
        {&vni, 74, Bytes({0x41, 0xC9})},   // AWS from 61 E9
        {&vni, 73, Bytes({0xD1})},         // DD from F1
        {&vw, 86, Bytes({0x41, 0xCF})},    // AS from 61 EF
        {&vni, 86, Bytes({0x41, 0xD9})},   // AS from 61 F9
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.tables->CodeLetters[c.slot], c.bytes) << c.slot;
    }
    EXPECT_NE(tcvn.CodeLetters[1], tcvn.CodeLetters[4]);
    EXPECT_NE(tcvn.CodeLetters[102], tcvn.CodeLetters[105]);
}

TEST(LetterTables, UnicodeAndTelexSlotsAreTheSameForEveryCode) {
    const LetterTables t = Built(kTcvn3);
    EXPECT_EQ(t.UnicodeLetters[145], u"Ỵ");
    EXPECT_EQ(t.TelexKeys[145], u"YJ");
    EXPECT_EQ(t.UnicodeLetters[73], u"Đ");
    EXPECT_EQ(t.TelexKeys[67], u"w");
    EXPECT_EQ(Built(kVniWindows).TelexKeys, t.TelexKeys);
    EXPECT_EQ(Built(kVniWindows).UnicodeLetters, t.UnicodeLetters);
}

TEST(LetterTables, LoneWEntriesRepeatTheUwLetters) {
    for (std::int16_t code : {kVietWareX, kTcvn3, kVniWindows}) {
        const LetterTables t = Built(code);
        for (int k = 0; k < 6; ++k) {
            for (int half : {0, 73}) {
                EXPECT_EQ(t.CodeLetters[56 + k + half], t.CodeLetters[62 + k + half]);
                EXPECT_EQ(t.UnicodeLetters[56 + k + half], t.UnicodeLetters[62 + k + half]);
            }
        }
    }
}

TEST(LetterTables, ListStringsEndInASpaceAndHold146Entries) {
    for (const std::u16string* list : {&TelexList(), &VietWareList(), &VniList(), &Tcvn3List()}) {
        EXPECT_EQ(list->back(), u' ');
        EXPECT_EQ(std::count(list->begin(), list->end(), u' '), 146);
    }
    EXPECT_EQ(Left(TelexList(), 11), u"dd aws awf ");
    EXPECT_EQ(Left(Tcvn3List(), 6), Bytes({0xAE, ' ', 0xBE, ' ', 0xBB, ' '}));
}

}  // namespace
}  // namespace orvik
