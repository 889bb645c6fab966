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

class DeliveryTest : public HookSession {
protected:
    // The line of a synthesized stroke. What the program sends at once is
    // sent in one write, as it would be, so that the hook reads it at once.
    static std::string Stroke(std::int16_t vk, std::uint8_t scan, bool release) {
        return hook::Encode(
            hook::Keybd{0, static_cast<std::uint8_t>(vk), scan, release ? kKeyEventKeyUp : std::uint32_t{0}});
    }
};

// Units join into characters: a surrogate pair is one, a lone half is
// dropped with a warning, a NUL without. Text for an input context that
// does not exist goes nowhere.
TEST_F(DeliveryTest, CharactersGoWholeToTheInputContextTheyName) {
    const Context gedit = Open("gedit");
    const Context kate = Open("kate");
    const std::u16string units = u"A\uD7FF\uE000\uFFFF"            // the units next to the halves
                                 u"\xD800\xDC00\xDBFF\xDFFF\xD840\xDC8B"  // pairs: the first, the last, 𠂋
                                 u"\xDC00" u"A\xDFFF\xD800" u"A"       // lone halves
                                 u"\xDBFF\xDBFF\xDC00";               // a half, then a pair
    Send(Chars(gedit, units + u'\0'), hook::Char{0, kate.handle + 100, 'x'}, Chars(kate, u"k"));
    ASSERT_TRUE(harness_->WaitForCommits(2));
    const auto commits = harness_->Commits();
    ASSERT_EQ(commits.size(), 2u);
    EXPECT_EQ(commits[0].context, gedit.uuid);
    EXPECT_EQ(commits[0].text, "A\uD7FF\uE000\uFFFF\U00010000\U0010FFFF\U0002008BAA\U0010FC00");
    EXPECT_EQ(harness_->LogCount("dropped half a character"), 4u);
    EXPECT_EQ(commits[1].context, kate.uuid);
    EXPECT_EQ(commits[1].text, "k");
}

// Sent letter by letter, a word would reach XIM applications as separate
// commits, which xterm may reorder ("Vitệ" for "Việt").
TEST_F(DeliveryTest, TheCharactersOfOneAnswerAreCommittedAsOneText) {
    const Context gedit = Open("gedit");
    Send(Chars(gedit, u"Việt ", 7), hook::Done{7});
    Sync(gedit);
    EXPECT_EQ(CommittedTexts(), (Texts{"Việt ", "~"}));
}

// "200ệ⌫5" typed while earlier keys still await: the text of an answer
// waits for the answers of the keys behind it, all going out as one commit
// that no XIM application can take apart, and the Backspace erases the ệ
// (three bytes) before it leaves the hook, so nothing is left to overtake.
TEST_F(DeliveryTest, TextWaitsForTheKeysStillAwaitingAndABackspaceErasesIt) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_2)));
    ASSERT_TRUE(Press(gedit, Key(FcitxKey_5)));
    constexpr auto kBack = static_cast<std::uint8_t>(kVkBack);
    Send(Chars(gedit, u"200ệ", 1), hook::Keybd{1, kBack, 0, 0}, hook::Keybd{1, kBack, 0, kKeyEventKeyUp},
         hook::Done{1});
    ASSERT_TRUE(harness_->WaitUntil([&] { return harness_->KeysAwaitingAnswer() == 1; }));
    Send(Chars(gedit, u"5", 2), hook::Done{2});
    ASSERT_TRUE(harness_->WaitForCommits(1));
    EXPECT_EQ(CommittedTexts(), Texts{"2005"});
    EXPECT_TRUE(harness_->Forwards().empty());
}

// GTK 3's and Qt's modules queue a forwarded key but apply a commit at
// once: text that follows a forwarded Enter goes as keys behind it, until
// the Enter has long been taken. Where forwarded keys are dropped, Enter is
// a line break among the text, which stays a commit.
TEST_F(DeliveryTest, TextAfterAForwardedKeyFollowsItAsKeys) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    const auto enterThenText = [&](const Context& context) {
        Send(Stroke(kVkReturn, 0, false), Stroke(kVkReturn, 0, true), Chars(context, u"xệ"), hook::Done{0});
    };
    enterThenText(gedit);
    ASSERT_TRUE(harness_->WaitForForwards(6));
    EXPECT_EQ(ForwardedKeys(),
              (Texts{"Return", "Return up", "x", "x up", "ecircumflexbelowdot", "ecircumflexbelowdot up"}));
    EXPECT_TRUE(harness_->Commits().empty());
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    Send(Chars(gedit, u"y"));
    Sync(gedit);
    EXPECT_EQ(CommittedTexts(), (Texts{"y", "~"}));

    const Context gtk4 = OpenGtk4();  // focused last
    Send(Stroke(kVkEscape, 0, false), Stroke(kVkEscape, 0, true));  // forwarded, and dropped there
    enterThenText(gtk4);
    Sync(gtk4);
    EXPECT_EQ(CommittedTexts(), (Texts{"y", "~", "\nxệ", "~"}));
}

// Typed keys the program passes on in one burst after a forwarded key are
// gathered as its characters are: "4⌫5" goes out as "5".
TEST_F(DeliveryTest, KeysPassedOnAfterAForwardedKeyAreGatheredToo) {
    const Context gedit = Open("gedit");
    RegisterAndHook();
    Send(Stroke(kVkReturn, 0, false), Stroke(kVkReturn, 0, true), hook::Done{0});
    ASSERT_TRUE(harness_->WaitForForwards(2));
    for (const auto sym : {FcitxKey_4, FcitxKey_BackSpace, FcitxKey_5}) ASSERT_TRUE(Press(gedit, Key(sym)));
    Send(hook::Pass{1}, hook::Done{1}, hook::Pass{2}, hook::Done{2}, hook::Pass{3}, hook::Done{3});
    ASSERT_TRUE(harness_->WaitForForwards(4));
    EXPECT_EQ(ForwardedKeys(), (Texts{"Return", "Return up", "5", "5 up"}));
}

}  // namespace
}  // namespace orvik::fcitxhook::testing
