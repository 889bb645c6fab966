// What the program sends reaches the applications: characters, posted one
// UTF-16 unit at a time, are committed to the input context they name, and
// synthesized key strokes are forwarded to the focused one.
#include <chrono>
#include <thread>
#include <vector>

#include "hook_session.h"
#include "codes/desktop_codes.h"

namespace orvik::fcitxhook::testing {
namespace {

using fcitx::Key;
using fcitx::KeyState;

class DeliveryTest : public HookSession {
protected:
    void SendUnits(const Context& context, const std::vector<std::uint16_t>& units) {
        for (std::uint16_t unit : units) program_->Send(hook::Encode(hook::Char{0, context.handle, unit}));
    }
    void Stroke(std::int16_t vk, std::uint8_t scan, bool release) {
        program_->Send(hook::Encode(
            hook::Keybd{0, static_cast<std::uint8_t>(vk), scan, release ? kKeyEventKeyUp : std::uint32_t{0}}));
    }
    std::vector<std::string> CommittedTexts() {
        std::vector<std::string> texts;
        for (const auto& commit : harness_->Commits()) texts.push_back(commit.text);
        return texts;
    }
};

TEST_F(DeliveryTest, UnitsBecomeWholeCharacters) {
    struct Case {
        const char* name;
        std::vector<std::uint16_t> units;
        std::vector<std::string> commits;
    };
    const std::vector<Case> cases{
        {"an ideograph of the first plane", {19968}, {"一"}},
        {"a surrogate pair, committed as one", {0xD840, 0xDC00}, {"𠀀"}},
        {"a lone low half", {0xDC00, 'A'}, {"A"}},
        {"a high half followed by no low half", {0xD840, 'A'}, {"A"}},
        {"a high half replaced by another", {0xD840, 0xD841, 0xDC01}, {"𠐁"}},
        {"unit 0", {0, 'A'}, {"A"}},
    };
    const Context gedit = Open("gedit");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t before = harness_->Commits().size();
        SendUnits(gedit, c.units);
        Sync(gedit);
        std::vector<std::string> expected = c.commits;
        expected.push_back("~");  // the sync's own character
        const std::vector<std::string> all = CommittedTexts();
        EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), expected);
    }
}

// Sent letter by letter, a word would reach XIM applications as separate
// commits, which xterm may reorder ("Vitệ" for "Việt").
TEST_F(DeliveryTest, TheCharactersOfOneAnswerAreCommittedAsOneText) {
    const Context gedit = Open("gedit");
    std::string batch;
    for (std::uint16_t unit : {u'V', u'i', u'\u1EC7', u't', u' '}) batch += hook::Encode(hook::Char{7, gedit.handle, unit});
    program_->Send(batch + hook::Encode(hook::Done{7}));
    Sync(gedit);
    EXPECT_EQ(CommittedTexts(), (std::vector<std::string>{"Việt ", "~"}));
}

// The answer to a key arrives while the next key still awaits its own: the
// texts of both answers go out as one commit, which no XIM application can
// take apart.
TEST_F(DeliveryTest, TextWaitsForTheAnswersOfKeysStillAwaiting) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_N, KeyState::Shift)));
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_a)));
    program_->Send(hook::Encode(hook::Char{1, gedit.handle, u'N'}) + hook::Encode(hook::Done{1}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->KeysAwaitingAnswer() == 1; }));
    program_->Send(hook::Encode(hook::Char{2, gedit.handle, u'a'}) + hook::Encode(hook::Done{2}));
    ASSERT_TRUE(harness_->WaitForCommits(1));
    EXPECT_EQ(CommittedTexts(), std::vector<std::string>{"Na"});
}

// "200ệ⌫5" typed while earlier keys still await: the Backspace erases the
// ệ (three bytes) before it leaves the hook, and nothing is left to
// overtake.
TEST_F(DeliveryTest, ABackspaceErasesTheTextStillGathered) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_2)));
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_5)));
    std::string answer;
    for (std::uint16_t unit : {u'2', u'0', u'0', u'\u1EC7'}) answer += hook::Encode(hook::Char{1, gedit.handle, unit});
    answer += hook::Encode(hook::Keybd{1, static_cast<std::uint8_t>(kVkBack), 0, 0});
    answer += hook::Encode(hook::Keybd{1, static_cast<std::uint8_t>(kVkBack), 0, kKeyEventKeyUp});
    program_->Send(answer + hook::Encode(hook::Done{1}));
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->KeysAwaitingAnswer() == 1; }));
    program_->Send(hook::Encode(hook::Char{2, gedit.handle, u'5'}) + hook::Encode(hook::Done{2}));
    ASSERT_TRUE(harness_->WaitForCommits(1));
    EXPECT_EQ(CommittedTexts(), std::vector<std::string>{"2005"});
    EXPECT_TRUE(harness_->Forwards().empty());
}

TEST_F(DeliveryTest, CharactersGoToTheInputContextTheyName) {
    const Context gedit = Open("gedit");
    const Context kate = Open("kate");
    SendUnits(gedit, {'g'});
    program_->Send(hook::Encode(hook::Char{0, kate.handle + 100, 'x'}));  // no such input context
    SendUnits(kate, {'k'});
    ASSERT_TRUE(harness_->WaitForCommits(2));
    const auto commits = harness_->Commits();
    ASSERT_EQ(commits.size(), 2u);
    EXPECT_EQ(commits[0].context, gedit.uuid);
    EXPECT_EQ(commits[0].text, "g");
    EXPECT_EQ(commits[1].context, kate.uuid);
    EXPECT_EQ(commits[1].text, "k");
}

// Strokes that type text (the Shift+Space after a pick) are committed as
// that text, in their place among the characters; the others are forwarded.
TEST_F(DeliveryTest, KeyStrokesReachTheFocusedInputContextWithTheirModifiers) {
    const Context gedit = Open("gedit");
    const Context kate = Open("kate");  // focused last
    RegisterAndHook();
    Stroke(kVkShift, kScanShift, false);
    Stroke(kVkSpace, 0, false);
    Stroke(kVkSpace, 0, true);
    Stroke(kVkShift, kScanShift, true);
    Stroke(kVkA, 0, false);
    Stroke(kVkA, 0, true);
    Stroke(kVkControl, kScanControl, false);
    Stroke(kVkV, kScanV, false);
    Stroke(kVkV, kScanV, true);
    Stroke(kVkControl, kScanControl, true);
    ASSERT_TRUE(harness_->WaitForForwards(2));
    EXPECT_EQ(CommittedTexts(), std::vector<std::string>{" a"});
    EXPECT_EQ(harness_->Commits()[0].context, kate.uuid);
    struct Expected {
        Key key;
        bool release;
    };
    const std::vector<Expected> expected{{Key("Control+v"), false}, {Key("Control+v"), true}};
    const auto forwards = harness_->Forwards();
    ASSERT_EQ(forwards.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(forwards[i].context, kate.uuid);
        EXPECT_EQ(forwards[i].key, expected[i].key) << forwards[i].key.toString();
        EXPECT_EQ(forwards[i].release, expected[i].release);
    }
    // Forwarded keys do not come back as keys typed: the next key the
    // program hears of is the first one typed.
    EXPECT_TRUE(Press(gedit, Key("b")));
    EXPECT_EQ(program_->ReadLine(), Line(hook::KeyUp{1, kTarget, 'b', 0}));
}

// GTK 3's and Qt's modules queue a forwarded key but apply a commit at
// once: text that follows a forwarded Enter goes as keys behind it, until
// the Enter has long been taken. Where forwarded keys are dropped, Enter is
// a line break among the text, which stays a commit.
TEST_F(DeliveryTest, TextAfterAForwardedKeyFollowsItAsKeys) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    const auto enterThenText = [&](const Context& context) {
        Stroke(kVkReturn, 0, false);
        Stroke(kVkReturn, 0, true);
        SendUnits(context, {u'x', u'\u1EC7'});
        program_->Send(hook::Encode(hook::Done{0}));
    };
    enterThenText(gedit);
    ASSERT_TRUE(harness_->WaitForForwards(6));
    std::vector<std::string> forwarded;
    for (const auto& forward : harness_->Forwards())
        forwarded.push_back(forward.key.toString() + (forward.release ? " up" : ""));
    EXPECT_EQ(forwarded, (std::vector<std::string>{"Return", "Return up", "x", "x up", "ecircumflexbelowdot",
                                                   "ecircumflexbelowdot up"}));
    EXPECT_TRUE(harness_->Commits().empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    SendUnits(gedit, {u'y'});
    Sync(gedit);
    EXPECT_EQ(CommittedTexts(), (std::vector<std::string>{"y", "~"}));

    const Context gtk4 = OpenGtk4();  // focused last
    Stroke(kVkEscape, 0, false);  // forwarded, and dropped there
    Stroke(kVkEscape, 0, true);
    enterThenText(gtk4);
    Sync(gtk4);
    EXPECT_EQ(CommittedTexts(), (std::vector<std::string>{"y", "~", "\nxệ", "~"}));
}

}  // namespace
}  // namespace orvik::fcitxhook::testing
