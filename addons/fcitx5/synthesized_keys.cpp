#include "synthesized_keys.h"

#include "codes/desktop_codes.h"

namespace orvik::fcitxhook {

namespace {

std::optional<fcitx::KeyState> ModifierOf(std::uint8_t vk) {
    switch (vk) {
        case kVkShift: return fcitx::KeyState::Shift;
        case kVkControl: return fcitx::KeyState::Ctrl;
        case kVkMenu: return fcitx::KeyState::Alt;
        default: return std::nullopt;
    }
}

std::optional<fcitx::KeySym> NamedKey(std::uint8_t vk) {
    switch (vk) {
        case kVkBack: return FcitxKey_BackSpace;
        case kVkTab: return FcitxKey_Tab;
        case kVkReturn: return FcitxKey_Return;
        case kVkEscape: return FcitxKey_Escape;
        case kVkSpace: return FcitxKey_space;
        case kVkPrior: return FcitxKey_Prior;
        case kVkNext: return FcitxKey_Next;
        case kVkEnd: return FcitxKey_End;
        case kVkHome: return FcitxKey_Home;
        case kVkLeft: return FcitxKey_Left;
        case kVkUp: return FcitxKey_Up;
        case kVkRight: return FcitxKey_Right;
        case kVkDown: return FcitxKey_Down;
        case kVkInsert: return FcitxKey_Insert;
        case kVkDelete: return FcitxKey_Delete;
        case kVkComma: return FcitxKey_comma;
        case kVkPeriod: return FcitxKey_period;
        default: return std::nullopt;
    }
}

std::optional<fcitx::KeySym> KeySymOf(std::uint8_t vk, bool shift) {
    if (vk >= kVk0 && vk <= kVk9) return static_cast<fcitx::KeySym>(FcitxKey_0 + (vk - kVk0));
    if (vk >= kVkA && vk <= kVkZ) return static_cast<fcitx::KeySym>((shift ? FcitxKey_A : FcitxKey_a) + (vk - kVkA));
    if (vk >= kVkF1 && vk <= kVkF12) return static_cast<fcitx::KeySym>(FcitxKey_F1 + (vk - kVkF1));
    return NamedKey(vk);
}

}  // namespace

bool SynthesizedKeys::SetModifier(std::uint8_t vk, bool release) {
    const auto modifier = ModifierOf(vk);
    if (!modifier) return false;
    held_ = release ? held_.unset(*modifier) : held_ | *modifier;
    return true;
}

std::optional<fcitx::Key> SynthesizedKeys::KeyFor(std::uint8_t vk) const {
    const auto sym = KeySymOf(vk, held_.test(fcitx::KeyState::Shift));
    if (!sym) return std::nullopt;
    return fcitx::Key(*sym, held_);
}

}  // namespace orvik::fcitxhook
