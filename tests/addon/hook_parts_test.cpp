// The hook's pieces that need no fcitx5 instance: which presses it takes,
// how the keys it waits on are answered, how key strokes are delivered,
// and the keysym a key forwarded through the X input method is read again
// with: its own modifiers, not those of a keyboard state that had already
// moved on; what goes to an application through the X input method, one
// message at a time, and the replies that let the next go. How units join into characters is delivery_test's.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "awaiting_answers.h"
#include "codes/desktop_codes.h"
#include "key_choice.h"
#include "key_delivery.h"
#include "synthesized_keys.h"
#include "typed_keysym.h"
#include "xim_pacing.h"
#include "xim_replies.h"

namespace orvik::fcitxhook {
namespace {

using fcitx::Key;
using fcitx::KeyState;
using fcitx::KeyStates;

constexpr KeySituation kRegistered{true, true, false};
constexpr KeySituation kWordTyped{true, true, false, true};

TEST(KeyChoiceTest, PressesAreTakenOrLeftByKeyModifiersAndSituation) {
    struct Case {
        const char* name;
        Key key;
        KeySituation situation;
        std::optional<ChosenKey> chosen;
    };
    const std::vector<Case> cases{
        {"NumLock changes nothing", Key(FcitxKey_a, KeyState::NumLock), kRegistered, ChosenKey{'a', 0}},
        {"Shift+CapsLock gives a small letter", Key(FcitxKey_a, {KeyState::Shift, KeyState::CapsLock}), kRegistered,
         ChosenKey{'a', kShiftMask}},
        {"z", Key(FcitxKey_z), kRegistered, ChosenKey{'z', 0}},
        {"CapsLock gives a capital", Key(FcitxKey_A, KeyState::CapsLock), kRegistered, ChosenKey{'A', 0}},
        {"keypad 0", Key(FcitxKey_KP_0), kRegistered, ChosenKey{kVk0, 0}},
        {"keypad 7", Key(FcitxKey_KP_7), kRegistered, ChosenKey{kVk0 + 7, 0}},
        {"keypad Up, a word typed", Key(FcitxKey_KP_Up), kWordTyped, ChosenKey{kVkUp, 0}},
        {"keypad Down, a word typed", Key(FcitxKey_KP_Down), kWordTyped, ChosenKey{kVkDown, 0}},
        {"Backspace, no word", Key(FcitxKey_BackSpace), kRegistered, std::nullopt},
        {"Shift+space", Key(FcitxKey_space, KeyState::Shift), kRegistered, ChosenKey{kVkSpace, kShiftMask}},
        {"Shift+Escape, a word typed", Key(FcitxKey_Escape, KeyState::Shift), kWordTyped,
         ChosenKey{kVkEscape, kShiftMask}},
        {"comma, a word typed", Key(FcitxKey_comma), kWordTyped, ChosenKey{kVkComma, 0}},
        {"period, a word typed", Key(FcitxKey_period), kWordTyped, ChosenKey{kVkPeriod, 0}},
        {"Enter, a word typed", Key(FcitxKey_Return), kWordTyped, ChosenKey{kVkReturn, 0}},
        {"keypad Enter, a word typed", Key(FcitxKey_KP_Enter), kWordTyped, ChosenKey{kVkReturn, 0}},
        {"Tab, a word typed", Key(FcitxKey_Tab), kWordTyped, ChosenKey{kVkTab, 0}},
        {"?, a word typed", Key(FcitxKey_question, KeyState::Shift), kWordTyped, ChosenKey{kVkOem8, kShiftMask}},
        {"Ctrl+Enter, a word typed", Key(FcitxKey_Return, KeyState::Ctrl), kWordTyped, std::nullopt},
        {"a letter beyond ASCII, a word typed", Key(FcitxKey_eacute), kWordTyped, std::nullopt},
        {"Left, a word typed", Key(FcitxKey_Left), kWordTyped, std::nullopt},
        {"Ctrl+9", Key(FcitxKey_9, KeyState::Ctrl), kRegistered, ChosenKey{kVk9, kCtrlMask}},
        {"Ctrl+Shift+9", Key(FcitxKey_9, {KeyState::Ctrl, KeyState::Shift}), kRegistered, std::nullopt},
        {"Ctrl+space", Key(FcitxKey_space, KeyState::Ctrl), kRegistered, std::nullopt},
        {"Shift+period", Key(FcitxKey_period, KeyState::Shift), kRegistered, std::nullopt},
        {"Meta+a", Key(FcitxKey_a, KeyState::Meta), kRegistered, std::nullopt},
        {"Super+a", Key(FcitxKey_a, KeyState::Super), kRegistered, std::nullopt},
        {"Alt+f", Key(FcitxKey_f, KeyState::Alt), kRegistered, std::nullopt},
        {"F1, a word typed", Key(FcitxKey_F1), kWordTyped, std::nullopt},
        {"Hyper+a", Key(FcitxKey_a, KeyState::Hyper), kRegistered, std::nullopt},
        {"AltGr+a", Key(FcitxKey_a, KeyState::Mod5), kRegistered, std::nullopt},
        {"a chord, no owner", Key(FcitxKey_o, {KeyState::Ctrl, KeyState::Alt}), {true, false, false}, std::nullopt},
        {"a chord, own window, no target",
         Key(FcitxKey_x, {KeyState::Ctrl, KeyState::Alt}),
         {false, true, true},
         ChosenKey{kCmdLookup, 0}},
        {"Ctrl+Alt+H", Key(FcitxKey_h, {KeyState::Ctrl, KeyState::Alt}), kRegistered, ChosenKey{kCmdTelexHan, 0}},
        {"Ctrl+Alt+N", Key(FcitxKey_n, {KeyState::Ctrl, KeyState::Alt}), kRegistered, ChosenKey{kCmdTelexNom, 0}},
        {"Ctrl+Alt+R", Key(FcitxKey_r, {KeyState::Ctrl, KeyState::Alt}), kRegistered, ChosenKey{kCmdTranscribe, 0}},
        {"Ctrl+Alt+A, no command", Key(FcitxKey_a, {KeyState::Ctrl, KeyState::Alt}), kRegistered, std::nullopt},
        {"a chord with a digit", Key(FcitxKey_1, {KeyState::Ctrl, KeyState::Alt}), kRegistered, std::nullopt},
        {"a chord with AltGr too", Key(FcitxKey_o, {KeyState::Ctrl, KeyState::Alt, KeyState::Mod5}), kRegistered,
         std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseKey(c.key, c.situation), c.chosen) << c.name;
    }
}

std::vector<hook::Seq> SeqsOf(const std::vector<AwaitingKey>& keys) {
    std::vector<hook::Seq> seqs;
    for (const AwaitingKey& key : keys) seqs.push_back(key.seq);
    return seqs;
}

// The program handles keys in order: what it sends for a key follows what
// it sent for the keys before, whose answers have begun too.
TEST(AwaitingAnswersTest, AnAnswerBegunMarksItsKeyAndTheKeysBefore) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, Key("a"), 100, false);
    awaiting.Hold(1, Key("Left"));
    awaiting.Add(1, Key("b"), 110, false);
    awaiting.Add(1, Key("c"), 120, false);
    EXPECT_FALSE(awaiting.AnswerBegun());
    awaiting.Began(3);
    EXPECT_TRUE(awaiting.AnswerBegun());
    EXPECT_EQ(SeqsOf(awaiting.TakeOverdue(200)), (std::vector<hook::Seq>{1, 2, 3, 4}));
    EXPECT_EQ((std::vector<bool>{awaiting.HasBegun(1), awaiting.HasBegun(3), awaiting.HasBegun(4)}),
              (std::vector<bool>{true, true, false}));
    // What comes late for a key given back is refused, whether begun or not.
    EXPECT_TRUE(awaiting.GivenBack(1));
    EXPECT_TRUE(awaiting.GivenBack(4));
}

// A program that speaks is not hung: the keys it has not reached yet wait
// for it a whole wait from then. A command chord past its deadline stays
// the program's to carry out: it never goes to the application.
TEST(AwaitingAnswersTest, NoKeyIsOverdueWhileTheProgramSpeaksAndAnOverdueChordStaysThePrograms) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, Key("a"), 100, false);
    awaiting.Add(1, Key("Control+Alt+n"), 100, true);
    awaiting.Spoke(300);
    EXPECT_EQ(awaiting.EarliestDeadline(), 300u);
    EXPECT_TRUE(awaiting.TakeOverdue(299).empty());
    const std::vector<AwaitingKey> overdue = awaiting.TakeOverdue(300);
    ASSERT_EQ(SeqsOf(overdue), (std::vector<hook::Seq>{1, 2}));
    EXPECT_TRUE(overdue[1].command);
    EXPECT_TRUE(awaiting.GivenBack(1));
    EXPECT_FALSE(awaiting.GivenBack(2));
}

// A chord is answered before it runs, while the answers to the keys typed
// before it may still wait behind a paste: its answer must not count as
// theirs ("mootj2" given back landed before the "?" still to come).
TEST(AwaitingAnswersTest, AnAnswerAnswersItsOwnKeyOnly) {
    AwaitingAnswers awaiting;
    awaiting.Add(1, Key("question"), 100, false);
    awaiting.Add(1, Key("Control+Alt+n"), 110, true);
    awaiting.Hold(1, Key("Left"));
    EXPECT_TRUE(awaiting.Answer(2).empty());
    EXPECT_EQ(awaiting.size(), 2u);
    EXPECT_EQ(SeqsOf(awaiting.Answer(1)), (std::vector<hook::Seq>{3}));
    EXPECT_TRUE(awaiting.empty());
    // Answered, the key can still be passed on once.
    EXPECT_TRUE(awaiting.TakeToPass(1).has_value());
    EXPECT_FALSE(awaiting.TakeToPass(1).has_value());
}

TEST(KeyDeliveryTest, KeysTypeTextOrGoAsStrokes) {
    struct Case {
        const char* name;
        Key key;
        ContextAbilities context;
        KeyDelivery delivery;
    };
    const std::vector<Case> cases{
        {"Shift+Space after a pick", Key(FcitxKey_space, KeyState::Shift), {true, false}, AsText{" "}},
        {"a keypad digit where strokes are dropped", Key(FcitxKey_KP_2), {false, false}, AsText{"2"}},
        {"a capital", Key(FcitxKey_A, KeyState::Shift), {true, false}, AsText{"A"}},
        {"Ctrl+V where strokes are dropped", Key(FcitxKey_v, KeyState::Ctrl), {false, false}, AsKeyStroke{}},
        {"Backspace", Key(FcitxKey_BackSpace), {true, false}, AsKeyStroke{}},
        {"Backspace where the text around the cursor is known", Key(FcitxKey_BackSpace), {true, true},
         AsDeletionBefore{}},
        {"Tab where strokes are dropped", Key(FcitxKey_Tab), {false, false}, AsText{"\t"}},
        {"Up where strokes are dropped", Key(FcitxKey_Up), {false, false}, AsKeyStroke{}},
    };
    for (const Case& c : cases) EXPECT_EQ(DeliveryOf(c.key, c.context), c.delivery) << c.name;
}

TEST(SynthesizedKeysTest, VirtualKeysBecomeKeysWithTheHeldModifiers) {
    struct Case {
        std::vector<std::int16_t> held;
        std::int16_t vk;
        std::optional<Key> key;
    };
    const std::vector<Case> cases{
        {{}, kVkPrior, Key(FcitxKey_Prior)},
        {{}, kVkNext, Key(FcitxKey_Next)},
        {{}, kVkInsert, Key(FcitxKey_Insert)},
        {{}, kVkHome, Key(FcitxKey_Home)},
        {{}, kVkF1, Key(FcitxKey_F1)},
        {{}, kVkF12, Key(FcitxKey_F12)},
        {{}, kVk0, Key(FcitxKey_0)},
        {{}, kVk9, Key(FcitxKey_9)},
        {{}, kVk0 - 1, std::nullopt},
        {{}, kVkZ, Key(FcitxKey_z)},
        {{}, kVkComma, Key(FcitxKey_comma)},
        {{kVkShift}, kVkZ, Key(FcitxKey_Z, KeyState::Shift)},
        {{kVkControl, kVkShift}, kVkHome, Key(FcitxKey_Home, {KeyState::Ctrl, KeyState::Shift})},
        {{kVkMenu}, kVkF1 + 3, Key(FcitxKey_F4, KeyState::Alt)},
        {{}, kVkF12 + 1, std::nullopt},
        {{}, kVkZ + 1, std::nullopt},
    };
    for (const Case& c : cases) {
        SynthesizedKeys keys;
        for (std::int16_t vk : c.held) EXPECT_TRUE(keys.SetModifier(static_cast<std::uint8_t>(vk), false));
        EXPECT_EQ(keys.KeyFor(static_cast<std::uint8_t>(c.vk)), c.key) << "virtual key " << c.vk;
    }
    // A modifier let go holds no more: the "a" after Shift+Space is small.
    SynthesizedKeys keys;
    keys.SetModifier(static_cast<std::uint8_t>(kVkShift), false);
    keys.SetModifier(static_cast<std::uint8_t>(kVkShift), true);
    EXPECT_EQ(keys.KeyFor(static_cast<std::uint8_t>(kVkA)), Key(FcitxKey_a));
}

// Key codes of the evdev keyboard map.
constexpr int kCodeN = 57;
constexpr int kCodeSlash = 61;
// Group 2 in an X key event's state.
constexpr std::uint32_t kSecondGroup = 1U << 13;

using Keymap = std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)>;

Keymap KeymapOf(const char* layouts) {
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS),
                                                                           &xkb_context_unref);
    const xkb_rule_names names{"evdev", "pc105", layouts, "", ""};
    return Keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS), &xkb_keymap_unref);
}

TEST(TypedKeysymTest, TheKeysymComesFromTheKeysOwnModifiers) {
    struct Case {
        const char* name;
        Key read;  // as fcitx5 read it
        fcitx::KeySym typed;
    };
    const Keymap keymap = KeymapOf("us,ru");
    ASSERT_NE(keymap, nullptr) << "the X keyboard data (xkb-data) is missing";
    const std::vector<Case> cases{
        {"Shift released before fcitx5 read N", Key(FcitxKey_n, KeyState::Shift, kCodeN), FcitxKey_N},
        {"the next key's Shift already held", Key(FcitxKey_N, KeyStates(), kCodeN), FcitxKey_n},
        {"CapsLock", Key(FcitxKey_n, KeyState::CapsLock, kCodeN), FcitxKey_N},
        {"Shift and CapsLock", Key(FcitxKey_N, {KeyState::Shift, KeyState::CapsLock}, kCodeN), FcitxKey_n},
        {"? read as /", Key(FcitxKey_slash, KeyState::Shift, kCodeSlash), FcitxKey_question},
        {"the second layout", Key(FcitxKey_n, KeyStates(kSecondGroup), kCodeN), FcitxKey_Cyrillic_te},
        {"no code: kept", Key(FcitxKey_n, KeyState::Shift, 0), FcitxKey_n},
    };
    TypedKeysym reader;
    for (const Case& c : cases) {
        const Key typed = reader.AsTyped(c.read, keymap.get());
        EXPECT_EQ(typed.sym(), c.typed) << c.name;
        EXPECT_EQ(typed.states(), c.read.states()) << c.name;
        EXPECT_EQ(typed.code(), c.read.code()) << c.name;
    }
    // Another keymap is read afresh; with none the key is kept.
    const Keymap russian = KeymapOf("ru");
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_n, KeyStates(), kCodeN), russian.get()).sym(), FcitxKey_Cyrillic_te);
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_n, KeyStates(), kCodeN), keymap.get()).sym(), FcitxKey_n);
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_N, KeyStates(), kCodeN), nullptr).sym(), FcitxKey_N);
}

std::string Shown(const std::optional<XimMessage>& message) {
    if (!message) return "nothing";
    if (const auto* text = std::get_if<XimCommit>(&*message)) return std::to_string(text->context) + " " + text->text;
    const auto& key = std::get<XimForward>(*message);
    return std::to_string(key.context) + " " + key.key.toString() + (key.release ? " up" : " down");
}

TEST(XimPacingTest, OneMessageAtATimeInOrderOnceRepliesAreHeard) {
    constexpr std::uint64_t kWait = XimPacing::kUnansweredWaitUs;
    XimPacing pacing;
    pacing.Sent(0);
    EXPECT_FALSE(pacing.Busy(1)) << "no reply heard yet: nothing waits for one";

    pacing.RepliesHeard();
    pacing.Sent(10);
    EXPECT_TRUE(pacing.Busy(11));
    pacing.Queue(XimCommit{5, "chào"});
    pacing.Queue(XimCommit{5, "?"});
    pacing.Queue(XimForward{5, Key(FcitxKey_Return), false});
    pacing.Queue(XimCommit{5, "x"});
    pacing.Queue(XimCommit{6, "y"});
    EXPECT_EQ(Shown(pacing.TakeNext(11)), "nothing");
    EXPECT_EQ(pacing.Deadline(), 10 + kWait);

    pacing.Answered();
    EXPECT_EQ(Shown(pacing.TakeNext(12)), "5 chào?");
    pacing.Sent(12);
    EXPECT_EQ(Shown(pacing.TakeNext(13)), "nothing");
    EXPECT_EQ(Shown(pacing.TakeNext(12 + kWait)), "5 Return down") << "an application that never answers";
    pacing.Sent(12 + kWait);
    pacing.Answered();
    EXPECT_EQ(Shown(pacing.TakeNext(13 + kWait)), "5 x");
    pacing.Answered();
    EXPECT_EQ(Shown(pacing.TakeNext(14 + kWait)), "6 y");
    EXPECT_FALSE(pacing.Busy(15 + kWait));
    EXPECT_EQ(pacing.Deadline(), std::nullopt);
}

TEST(XimRepliesTest, OnlyTheProtocolsShortSyncReplyLetsTheNextMessageGo) {
    constexpr xcb_atom_t kProtocol = 300;
    struct Case {
        const char* name;
        std::uint8_t responseType;
        xcb_atom_t type;
        std::uint8_t format;
        std::uint8_t first;
        XimTraffic traffic;
    };
    const std::vector<Case> cases{
        {"sync reply", XCB_CLIENT_MESSAGE, kProtocol, 8, kXimSyncReply, XimTraffic::SyncReply},
        {"sent by another client", XCB_CLIENT_MESSAGE | 0x80, kProtocol, 8, kXimSyncReply, XimTraffic::SyncReply},
        {"a forwarded key", XCB_CLIENT_MESSAGE, kProtocol, 8, 60, XimTraffic::Other},
        {"a long message in a property", XCB_CLIENT_MESSAGE, kProtocol, 32, kXimSyncReply, XimTraffic::Other},
        {"another protocol", XCB_CLIENT_MESSAGE, kProtocol + 1, 8, kXimSyncReply, XimTraffic::None},
        {"not a client message", XCB_PROPERTY_NOTIFY, kProtocol, 8, kXimSyncReply, XimTraffic::None},
    };
    for (const Case& c : cases) {
        xcb_client_message_event_t message{};
        message.response_type = c.responseType;
        message.type = c.type;
        message.format = c.format;
        message.data.data8[0] = c.first;
        EXPECT_EQ(XimTrafficOf(reinterpret_cast<const xcb_generic_event_t&>(message), kProtocol), c.traffic)
            << c.name;
    }
}

}  // namespace
}  // namespace orvik::fcitxhook
