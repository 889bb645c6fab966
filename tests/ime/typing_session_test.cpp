// The typing session's two key rules, key by key: what each key makes of
// the typed code and what the window is told to do, on the hand-made index
// files (a: two candidates, ab: more than ten, hoaf: fifteen).
#include <gtest/gtest.h>

#include "engine/text.h"
#include "ime/fixture_app.h"
#include "ime/key_answer.h"

namespace orvik {
namespace {

using Act = KeyAnswer::Act;
constexpr auto kTelexHan = &OrvikU::TelexH_Click;
constexpr auto kPinYin = &OrvikU::PINYIN_Click;

struct Case {
    void (OrvikU::*mode)(std::int16_t);
    std::u16string_view typed;
    std::int16_t key, shift;
    Act act;
    std::u16string_view keysAfter;
    std::u16string_view text = {};  // of a commit or a pick
    std::u16string_view ending = {};
};

// The typed keys in place, and their candidates found, as a window leaves
// them after each key.
struct Typed : testing::FixtureApp {
    explicit Typed(const Case& c) : FixtureApp(c.mode) {
        session().SetOutputCode(kVietWareX, true);
        session().SetKeys(std::u16string(c.typed));
        session().FindCandidates(true);
    }
};

void Expect(const KeyAnswer& answer, const TypingSession& session, const Case& c) {
    SCOPED_TRACE(U16ToUtf8(std::u16string(c.typed)) + " key " + std::to_string(c.key));
    EXPECT_EQ(answer.act, c.act);
    EXPECT_EQ(session.Keys(), c.keysAfter);
    EXPECT_EQ(answer.text, c.text);
    EXPECT_EQ(answer.ending, c.ending);
}

// The cases the windows' own tests do not reach: what each key sends,
// passes on, pages and picks there is checked by what the editor and the
// boxes end up with.
TEST(TypingSession, KeysForTheApplication) {
    const Case cases[] = {
        {kTelexHan, u"ho", kVkBack, 0, Act::ShowCode, u"h"},
        {kTelexHan, u"aa", kVkBack, 0, Act::ShowCode, u""},  // "â" shows as one letter
        {kTelexHan, u"", 'Z', 0, Act::ShowCode, u"Z"},       // nothing to clear: Z starts a code
        {kTelexHan, u"hoaf", 'A', 0, Act::ShowCode, u"hoafA"},
        {kTelexHan, u"hoaf", 'x', kCtrlMask, Act::None, u"hoaf"},
        {kTelexHan, u"a", kVkDown, 0, Act::None, u"a"},  // one page only
        // A PinYin tone number joins the code until candidates show.
        {kPinYin, u"yi", '1', 0, Act::ShowCode, u"yi1"},
        {kPinYin, u"yi1", '1', 0, Act::Pick, u"yi1", u"4E00"},
    };
    for (const Case& c : cases) {
        Typed fx(c);
        Expect(AnswerKeyForApplication(fx.session(), c.key, c.shift), fx.session(), c);
    }
}

TEST(TypingSession, DigitsPickOnKeyDownInTheBox) {
    const Case cases[] = {
        {kTelexHan, u"a", '1', 0, Act::Pick, u"a", u"4E00"},
        {kTelexHan, u"a", '3', 0, Act::None, u"a"},
        {kPinYin, u"yi", '1', 0, Act::None, u"yi"},  // a tone number
        {kPinYin, u"yi1", '1', 0, Act::Pick, u"yi1", u"4E00"},
    };
    for (const Case& c : cases) {
        Typed fx(c);
        Expect(AnswerKeyDownInBox(fx.session(), c.key), fx.session(), c);
    }
}

}  // namespace
}  // namespace orvik
