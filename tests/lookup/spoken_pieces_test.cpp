#include "lookup/spoken_pieces.h"

#include <gtest/gtest.h>

#include "engine/text.h"

namespace orvik {
namespace {

TEST(SpokenPieces, ReadsTheLettersAndThePauseTheirPunctuationCallsFor) {
    struct Case {
        std::u16string_view word;
        std::vector<std::u16string> pieces;
    };
    const Case cases[] = {
        {u"hà", {u"hà"}},
        {u"Hà", {u"Hà"}},  // the case stays: the clip look-up ignores it
        {u"hà,", {u"hà", u"cach0"}},
        {u"cư.", {u"cư", u"cach2"}},
        {u"sơn!", {u"sơn", u"cach0"}},
        {u"rằng:", {u"rằng", u"cach0"}},
        {u"ai?", {u"ai", u"cach2"}},
        {u"hà;", {u"hà"}},  // no pause clip for ";"
        {u"(nam", {u"nam"}},
        {u"nam)", {u"nam"}},
        {u"“quốc”", {u"quốc"}},
        {u"«sơn»", {u"sơn"}},
        {u"「hà」", {u"hà"}},
        {u"sơn.”", {u"sơn", u"cach2"}},  // the stop inside the closing quote
        {u"hà),", {u"hà", u"cach0"}},
        {u"ư?!", {u"ư", u"cach2"}},  // "?" calls for the longer pause
        {u"thôi...", {u"thôi", u"cach2"}},
        {u"…", {}},
        {u",nam", {u"cach0", u"nam"}},  // a pause before the word
        {u".a", {u"cach2", u"a"}},
        {u",", {u"cach0"}},
        {u".", {u"cach2"}},
        {u"?", {u"cach2"}},
        {u"—", {}},
        {u"l'homme", {u"l'homme"}},  // inner punctuation stays
        {u"thế-giới", {u"thế-giới"}},
        {u"漢,", {u"cach0"}},             // an ideograph has no clip; its pause stays
        {u"\U0002029B.", {u"cach2"}},     // a supplementary one
        {u"2000.", {u"cach2"}},           // nor has a number
        {u"\u2710", {u"\u2710"}},         // up to 10000 a character is read
        {u"\u3000", {}},
        {u"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(SpokenPieces(c.word), c.pieces) << U16ToUtf8(c.word);
}

}  // namespace
}  // namespace orvik
