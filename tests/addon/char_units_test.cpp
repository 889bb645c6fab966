// The units the program posts joined into characters, at the edges of the
// surrogate halves: a pair is one character, a lone half is dropped and said.
#include "char_units.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvik::fcitxhook {
namespace {

TEST(CharUnitsTest, PairsJoinAndLoneHalvesAreDropped) {
    struct Case {
        std::vector<std::uint16_t> units;
        std::u32string committed;
        int dropped;
    };
    const std::vector<Case> cases{
        {{0x0041, 0xD7FF, 0xE000, 0xFFFF}, U"\u0041\uD7FF\uE000\uFFFF", 0},
        {{0xD800, 0xDC00}, U"\U00010000", 0},
        {{0xDBFF, 0xDFFF}, U"\U0010FFFF", 0},
        {{0xD840, 0xDC8B}, U"\U0002008B", 0},
        {{0xDC00, 0x0041}, U"A", 1},
        {{0xDFFF}, U"", 1},
        {{0xD800, 0x0041}, U"A", 1},
        {{0xDBFF, 0xDBFF, 0xDC00}, U"\U0010FC00", 1},
        {{0x0000}, U"", 0},
    };
    for (const Case& c : cases) {
        CharUnits units;
        std::u32string committed;
        int dropped = 0;
        for (std::uint16_t unit : c.units) {
            const CharUnits::Outcome outcome = units.Add(unit);
            if (outcome.character) committed += *outcome.character;
            dropped += outcome.droppedHalf ? 1 : 0;
        }
        EXPECT_EQ(committed, c.committed) << "first unit " << c.units[0];
        EXPECT_EQ(dropped, c.dropped) << "first unit " << c.units[0];
    }
}

}  // namespace
}  // namespace orvik::fcitxhook
