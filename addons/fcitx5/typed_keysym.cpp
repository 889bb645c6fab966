#include "typed_keysym.h"

namespace orvik::fcitxhook {

namespace {

// An X key event's state: the eight real modifiers in its low byte, the
// layout group in bits 13 and 14. xkbcommon numbers the real modifiers
// the same way.
constexpr std::uint32_t kRealModifiers = 0xff;
constexpr int kGroupShift = 13;
constexpr std::uint32_t kGroupBits = 0x3;

}  // namespace

fcitx::Key TypedKeysym::AsTyped(const fcitx::Key& key, xkb_keymap* keymap) {
    if (key.code() == 0 || keymap == nullptr) return key;
    if (keymap_.get() != keymap) {
        keymap_.reset(xkb_keymap_ref(keymap));
        state_.reset(xkb_state_new(keymap));
    }
    if (!state_) return key;
    const auto states = static_cast<std::uint32_t>(key.states());
    xkb_state_update_mask(state_.get(), states & kRealModifiers, 0, 0, 0, 0, (states >> kGroupShift) & kGroupBits);
    const xkb_keysym_t sym = xkb_state_key_get_one_sym(state_.get(), static_cast<xkb_keycode_t>(key.code()));
    if (sym == XKB_KEY_NoSymbol) return key;
    return fcitx::Key(static_cast<fcitx::KeySym>(sym), key.states(), key.code());
}

}  // namespace orvik::fcitxhook
