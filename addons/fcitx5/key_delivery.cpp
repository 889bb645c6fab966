#include "key_delivery.h"

#include <fcitx-utils/capabilityflags.h>
#include <fcitx-utils/utf8.h>

#include <string_view>

namespace orvik::fcitxhook {

namespace {

using fcitx::KeyState;

constexpr fcitx::KeyStates kShortcut{KeyState::Ctrl,  KeyState::Alt,    KeyState::Super, KeyState::Super2,
                                     KeyState::Hyper, KeyState::Hyper2, KeyState::Meta};

bool IsPrintable(std::uint32_t unit) { return unit >= 0x20 && unit != 0x7f; }

}  // namespace

KeyDelivery DeliveryOf(const fcitx::Key& key, ContextAbilities context) {
    if (key.states().testAny(kShortcut)) return AsKeyStroke{};
    const std::uint32_t unit = fcitx::Key::keySymToUnicode(key.sym());
    if (IsPrintable(unit)) return AsText{fcitx::utf8::UCS4ToUTF8(unit)};
    const bool backspace = key.sym() == FcitxKey_BackSpace;
    if (backspace && (context.deletesAroundCursor || !context.takesKeyStrokes)) return AsDeletionBefore{};
    if (context.takesKeyStrokes) return AsKeyStroke{};
    switch (key.sym()) {
        case FcitxKey_Return:
        case FcitxKey_KP_Enter: return AsText{"\n"};
        case FcitxKey_Tab: return AsText{"\t"};
        default: return AsKeyStroke{};
    }
}

bool ErasesACharacter(const fcitx::Key& key) {
    return key.sym() == FcitxKey_BackSpace && !key.states().testAny(kShortcut);
}

// The X input method forwards every key stroke and has no deletion around
// the cursor: a deletion sent there does nothing.
ContextAbilities AbilitiesOf(const fcitx::InputContext& ic) {
    if (ThroughXInputMethod(ic)) return {true, false};
    return {TakesKeyStrokes(ic), ic.capabilityFlags().test(fcitx::CapabilityFlag::SurroundingText)};
}

bool ThroughXInputMethod(const fcitx::InputContext& ic) { return std::string_view(ic.frontend()) == "xim"; }

bool TakesKeyStrokes(const fcitx::InputContext& ic) {
    if (ThroughXInputMethod(ic)) return true;
    const fcitx::CapabilityFlags flags = ic.capabilityFlags();
    return !flags.test(fcitx::CapabilityFlag::ReportKeyRepeat) || flags.test(fcitx::CapabilityFlag::KeyEventOrderFix);
}

}  // namespace orvik::fcitxhook
