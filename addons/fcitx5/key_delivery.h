// How a key stroke the hook sends (one the program synthesized, or a typed
// key going back to its application) reaches an input context. A key that
// types a character goes as that text: it keeps its place among the
// characters committed around it, and it reaches toolkits that drop the key
// strokes an input method forwards (GTK 4's fcitx5 module ignores them).
// Backspace goes as a deletion before the cursor wherever the application
// takes one: a forwarded key waits in the application's event queue, where
// text committed after it overtook it on a loaded machine ("20045" for
// "2004⌫5 "). Into a toolkit that drops key strokes Enter and Tab go as the
// line break and tab they type; the other keys have no way there.
#pragma once

#include <fcitx-utils/key.h>
#include <fcitx/inputcontext.h>

#include <string>
#include <variant>

namespace orvik::fcitxhook {

struct AsText {
    std::string text;
    bool operator==(const AsText&) const = default;
};
struct AsDeletionBefore {
    bool operator==(const AsDeletionBefore&) const = default;
};
struct AsKeyStroke {
    bool operator==(const AsKeyStroke&) const = default;
};
using KeyDelivery = std::variant<AsText, AsDeletionBefore, AsKeyStroke>;

struct ContextAbilities {
    bool takesKeyStrokes = true;
    bool deletesAroundCursor = false;
};

KeyDelivery DeliveryOf(const fcitx::Key& key, ContextAbilities context);

// Whether `key` erases the character before the cursor: Backspace without
// a shortcut's modifier.
bool ErasesACharacter(const fcitx::Key& key);

ContextAbilities AbilitiesOf(const fcitx::InputContext& ic);

// Whether `ic` is an application's through the X input method.
bool ThroughXInputMethod(const fcitx::InputContext& ic);

// Whether key strokes forwarded to `ic` reach its application: not where
// it reports key repeats without the key-order capability, as GTK 4's
// module (the one that drops them) does; GTK 3's and Qt's report both.
bool TakesKeyStrokes(const fcitx::InputContext& ic);

}  // namespace orvik::fcitxhook
