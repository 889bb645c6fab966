// The key strokes orvik2004 synthesizes (keybd_event), as keys for the
// application: the modifiers it presses are held here, not forwarded, and
// given to the keys it strokes while they are down.
#pragma once

#include <fcitx-utils/key.h>

#include <cstdint>
#include <optional>

namespace orvik::fcitxhook {

class SynthesizedKeys {
public:
    // Presses or releases a modifier (Shift, Ctrl, Alt); false when `vk` is
    // none.
    bool SetModifier(std::uint8_t vk, bool release);
    // The key to forward for `vk` with the modifiers held; nothing for a
    // virtual key that has no key here.
    std::optional<fcitx::Key> KeyFor(std::uint8_t vk) const;
    void Clear() { held_ = fcitx::KeyStates(); }

private:
    fcitx::KeyStates held_;
};

}  // namespace orvik::fcitxhook
