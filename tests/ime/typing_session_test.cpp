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
    explicit Typed(const Case& c) {
        (main().*c.mode)(0);
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

TEST(TypingSession, KeysForTheApplication) {
    const Case cases[] = {
        // With nothing typed, keys with no use here go on as typed.
        {kTelexHan, u"", kVkBack, 0, Act::PassOn, u""},
        {kTelexHan, u"", kVkEscape, 0, Act::PassOn, u""},
        {kTelexHan, u"", kVkDown, 0, Act::PassOn, u""},
        {kTelexHan, u"", kVkReturn, 0, Act::PassOn, u""},
        {kTelexHan, u"", '2', 0, Act::PassOn, u""},
        {kTelexHan, u"", kVkSpace, 0, Act::Commit, u"", u"", u" "},
        // Editing the code.
        {kTelexHan, u"hoaf", kVkBack, 0, Act::ShowCode, u"hoa"},
        {kTelexHan, u"ho", kVkBack, 0, Act::ShowCode, u"h"},
        {kTelexHan, u"aa", kVkBack, 0, Act::ShowCode, u""},  // "â" shows as one letter
        {kTelexHan, u"hoaf", kVkEscape, 0, Act::ShowCode, u""},
        {kTelexHan, u"hoaf", 'z', 0, Act::ShowCode, u""},
        {kTelexHan, u"", 'Z', 0, Act::ShowCode, u"Z"},  // nothing to clear: Z starts a code
        {kTelexHan, u"hoaf", 'A', 0, Act::ShowCode, u"hoafA"},
        {kTelexHan, u"hoaf", 'x', kCtrlMask, Act::None, u"hoaf"},
        // Paging stays within the list.
        {kTelexHan, u"hoaf", kVkDown, 0, Act::ShowPage, u"hoaf"},
        {kTelexHan, u"hoaf", kVkUp, 0, Act::None, u"hoaf"},
        {kTelexHan, u"a", kVkDown, 0, Act::None, u"a"},
        // Keys that end the word send it, in Unicode here.
        {kTelexHan, u"hoaf", kVkSpace, 0, Act::Commit, u"hoaf", u"hòa", u" "},
        {kTelexHan, u"hoaf", kVkComma, 0, Act::Commit, u"hoaf", u"hòa", u","},
        {kTelexHan, u"hoaf", kVkPeriod, 0, Act::Commit, u"hoaf", u"hòa", u"."},
        {kTelexHan, u"hoaf", kVkTab, 0, Act::CommitPassOn, u"hoaf", u"hòa"},
        // Digits pick from the page shown; Ctrl opens the candidate's page.
        {kTelexHan, u"a", '1', 0, Act::Pick, u"a", u"4E00"},
        {kTelexHan, u"a", '5', 0, Act::None, u"a"},
        {kTelexHan, u"ab", '0', 0, Act::Pick, u"ab", u"4E09"},
        {kTelexHan, u"a", '2', kCtrlMask, Act::OpenPage, u"a"},
        // A PinYin tone number joins the code until candidates show.
        {kPinYin, u"yi", '1', 0, Act::ShowCode, u"yi1"},
        {kPinYin, u"yi1", '1', 0, Act::Pick, u"yi1", u"4E00"},
    };
    for (const Case& c : cases) {
        Typed fx(c);
        Expect(AnswerKeyForApplication(fx.session(), c.key, c.shift), fx.session(), c);
    }
    Typed fx(Case{kTelexHan, u"a", '2', kCtrlMask, Act::OpenPage, u"a"});
    EXPECT_EQ(AnswerKeyForApplication(fx.session(), '2', kCtrlMask).position, 1);
}

TEST(TypingSession, KeysInTheMainWindowsBox) {
    // The box shows VietWare-X letters; `boxLength` of 3 is what the box
    // has left after its own Backspace.
    const Case cases[] = {
        {kTelexHan, u"", 'A', 0, Act::ShowCode, u"a"},
        {kTelexHan, u"", 'A', kShiftMask, Act::ShowCode, u"a"},  // Shift makes no capital here
        {kTelexHan, u"", 'A', kCtrlMask, Act::ShowCode, u"A"},
        {kTelexHan, u"hoas", 'N', 0, Act::ShowCode, u"hoans"},  // the tone key moves to the end
        {kTelexHan, u"hoaf", kVkBack, 0, Act::ShowCode, u"hoa"},
        {kTelexHan, u"h", kVkBack, 0, Act::None, u"h"},
        {kTelexHan, u"hoaf", kVkSpace, 0, Act::Commit, u"hoaf", u"ho\u00ECa", u" "},
        {kTelexHan, u"hoaf", kVkDown, 0, Act::ShowPage, u"hoaf"},
        {kTelexHan, u"", kVkDown, 0, Act::None, u""},
        {kTelexHan, u"a", '1', 0, Act::RewriteBox, u"a"},  // picked on key-down
        {kPinYin, u"yi", '1', 0, Act::ShowCode, u"yi1"},
        {kTelexHan, u"hoaf", kVkComma, 0, Act::None, u"hoaf"},
    };
    for (const Case& c : cases) {
        Typed fx(c);
        Expect(AnswerKeyInBox(fx.session(), c.key, c.shift, 3), fx.session(), c);
    }
    Typed fx(Case{kTelexHan, u"ho", kVkBack, 0, Act::None, u"ho"});
    EXPECT_EQ(AnswerKeyInBox(fx.session(), kVkBack, 0, 1).act, Act::None);  // the box kept one letter
}

TEST(TypingSession, DigitsPickOnKeyDownInTheBox) {
    const Case cases[] = {
        {kTelexHan, u"a", '1', 0, Act::Pick, u"a", u"4E00"},
        {kTelexHan, u"a", '3', 0, Act::None, u"a"},
        {kTelexHan, u"a", 'A', 0, Act::None, u"a"},
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
