// The keysym a key gave when it was typed. Through the X input method fcitx5
// reads a forwarded key's keysym from its own keyboard state, not from the
// modifiers the X server sent with the key; on a busy machine that state
// may already hold the next key's Shift or have lost this key's, so "N"
// arrives as "n" and "?" as "/". The keysym is read again from the key's
// code with the key's own modifiers and layout group.
#pragma once

#include <fcitx-utils/key.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

namespace orvik::fcitxhook {

class TypedKeysym {
public:
    // KEY with the keysym its code gives under its own modifiers in KEYMAP;
    // KEY as it is when it has no code, there is no keymap or the code
    // gives no keysym.
    fcitx::Key AsTyped(const fcitx::Key& key, xkb_keymap* keymap);

private:
    struct KeymapUnref {
        void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    };
    struct StateUnref {
        void operator()(xkb_state* state) const { xkb_state_unref(state); }
    };
    // A state of its own, so fcitx5's live state is never changed.
    std::unique_ptr<xkb_keymap, KeymapUnref> keymap_;
    std::unique_ptr<xkb_state, StateUnref> state_;
};

}  // namespace orvik::fcitxhook
