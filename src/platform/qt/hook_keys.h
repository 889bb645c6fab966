// Key events as the keyboard hook reports them: letters as their character
// codes (97-122 small, 65-90 capital, as typed), every other key as its
// Windows virtual-key code, with the shift-state bits 1 Shift, 2 Ctrl, 4 Alt.
#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

namespace orvik {

struct HookKey {
    std::int16_t code;
    std::int16_t shift;
};

// The hook's event for a released Qt key; keys the hook does not report
// (keys without a virtual-key code) give nothing. Shifted symbols report
// the key they are typed on with a US layout ("!" is the key 1 with Shift),
// and keypad digits report the digit keys.
std::optional<HookKey> HookKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace orvik
