#include "engine/viet_word_key.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

TEST(VietWordKey, SpellsUwAwOwOneWayAndPutsTonesLast) {
    struct Case { std::u16string_view typed, key; };
    const Case cases[] = {
        {u"tieengs", u"tieengs"}, {u"tuw", u"tuw"}, {u"tw", u"tuw"},   {u"aw", u"aw"},
        {u"ow", u"ow"},           {u"nguwowif", u"nguwowif"},           {u"ngwowif", u"nguwowif"},
        {u"tiesng", u"tiengs"},
    };
    for (const auto& c : cases) EXPECT_EQ(VietWordKey(c.typed), c.key) << U16ToUtf8(c.typed);
}

}  // namespace
}  // namespace orvik
