// A key forwarded through the X input method is read again with its own
// modifiers: the keysym fcitx5 read with a keyboard state that had already
// moved on is replaced.
#include "typed_keysym.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orvik::fcitxhook {
namespace {

using fcitx::Key;
using fcitx::KeyState;
using fcitx::KeyStates;

// Key codes of the evdev keyboard map.
constexpr int kCodeN = 57;
constexpr int kCodeSlash = 61;
constexpr int kCode5 = 14;
// Group 2 in an X key event's state.
constexpr std::uint32_t kSecondGroup = 1U << 13;

struct KeymapUnref {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextUnref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapUnref>;

Keymap KeymapOf(const char* layouts) {
    const std::unique_ptr<xkb_context, ContextUnref> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const xkb_rule_names names{"evdev", "pc105", layouts, "", ""};
    return Keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

struct Case {
    const char* name;
    Key read;  // as fcitx5 read it
    fcitx::KeySym typed;
};

TEST(TypedKeysymTest, TheKeysymComesFromTheKeysOwnModifiers) {
    const Keymap keymap = KeymapOf("us,ru");
    ASSERT_NE(keymap, nullptr) << "the X keyboard data (xkb-data) is missing";
    const std::vector<Case> cases{
        {"Shift released before fcitx5 read N", Key(FcitxKey_n, KeyState::Shift, kCodeN), FcitxKey_N},
        {"the next key's Shift already held", Key(FcitxKey_N, KeyStates(), kCodeN), FcitxKey_n},
        {"CapsLock", Key(FcitxKey_n, KeyState::CapsLock, kCodeN), FcitxKey_N},
        {"Shift and CapsLock", Key(FcitxKey_N, {KeyState::Shift, KeyState::CapsLock}, kCodeN), FcitxKey_n},
        {"? read as /", Key(FcitxKey_slash, KeyState::Shift, kCodeSlash), FcitxKey_question},
        {"5 read as %", Key(FcitxKey_percent, KeyStates(), kCode5), FcitxKey_5},
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
}

TEST(TypedKeysymTest, AnotherKeymapIsReadAfresh) {
    const Keymap us = KeymapOf("us");
    const Keymap russian = KeymapOf("ru");
    TypedKeysym reader;
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_n, KeyStates(), kCodeN), us.get()).sym(), FcitxKey_n);
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_n, KeyStates(), kCodeN), russian.get()).sym(), FcitxKey_Cyrillic_te);
    EXPECT_EQ(reader.AsTyped(Key(FcitxKey_N, KeyStates(), kCodeN), nullptr).sym(), FcitxKey_N);
}

}  // namespace
}  // namespace orvik::fcitxhook
