#include "key_choice.h"

namespace orvik::fcitxhook {

namespace {

using fcitx::KeyState;
using fcitx::KeyStates;

// The modifiers that decide; CapsLock and NumLock only change the keysym.
constexpr KeyStates kDeciding{KeyState::Shift, KeyState::Ctrl,   KeyState::Alt,  KeyState::Super, KeyState::Super2,
                              KeyState::Hyper, KeyState::Hyper2, KeyState::Meta, KeyState::Mod5};
// With any of these held the key is a shortcut of the application, or
// (Mod5, AltGr) a character of the layout's own.
constexpr KeyStates kShortcut{KeyState::Alt,    KeyState::Super, KeyState::Super2, KeyState::Hyper,
                              KeyState::Hyper2, KeyState::Meta,  KeyState::Mod5};

bool IsSmallLetter(fcitx::KeySym sym) { return sym >= FcitxKey_a && sym <= FcitxKey_z; }
bool IsCapitalLetter(fcitx::KeySym sym) { return sym >= FcitxKey_A && sym <= FcitxKey_Z; }

// Keypad keys count as their main-row twins.
fcitx::KeySym MainRowTwin(fcitx::KeySym sym) {
    if (sym >= FcitxKey_KP_0 && sym <= FcitxKey_KP_9)
        return static_cast<fcitx::KeySym>(FcitxKey_0 + (sym - FcitxKey_KP_0));
    switch (sym) {
        case FcitxKey_KP_Up: return FcitxKey_Up;
        case FcitxKey_KP_Down: return FcitxKey_Down;
        case FcitxKey_KP_Space: return FcitxKey_space;
        default: return sym;
    }
}

std::optional<ChosenKey> ChordCommand(fcitx::KeySym sym) {
    // CapsLock gives the capital.
    if (IsCapitalLetter(sym)) sym = static_cast<fcitx::KeySym>(sym - FcitxKey_A + FcitxKey_a);
    for (const Chord& chord : kChords)
        if (chord.letter == sym) return ChosenKey{chord.command, 0};
    return std::nullopt;
}

// Keys that keep their meaning with Shift, taken without Ctrl.
std::optional<std::int16_t> EditingKey(fcitx::KeySym sym) {
    switch (sym) {
        case FcitxKey_BackSpace: return kVkBack;
        case FcitxKey_Escape: return kVkEscape;
        case FcitxKey_space: return kVkSpace;
        case FcitxKey_Up: return kVkUp;
        case FcitxKey_Down: return kVkDown;
        default: return std::nullopt;
    }
}

std::optional<ChosenKey> PlainKey(fcitx::KeySym sym, bool shift, bool ctrl) {
    const auto shiftState = static_cast<std::int16_t>((shift ? kShiftMask : 0) | (ctrl ? kCtrlMask : 0));
    if (IsSmallLetter(sym) || IsCapitalLetter(sym)) {
        if (ctrl) return std::nullopt;
        return ChosenKey{static_cast<std::int16_t>(sym), shiftState};
    }
    if (sym >= FcitxKey_0 && sym <= FcitxKey_9) {
        // Shift gives the symbols above the digits; Ctrl+digit is a look-up.
        if (shift) return std::nullopt;
        return ChosenKey{static_cast<std::int16_t>(kVk0 + (sym - FcitxKey_0)), shiftState};
    }
    if (ctrl) return std::nullopt;
    if (const auto code = EditingKey(sym)) return ChosenKey{*code, shiftState};
    // Shift+comma and Shift+period are '<' and '>', the application's.
    if (shift) return std::nullopt;
    if (sym == FcitxKey_comma) return ChosenKey{kVkComma, 0};
    if (sym == FcitxKey_period) return ChosenKey{kVkPeriod, 0};
    return std::nullopt;
}

}  // namespace

std::optional<ChosenKey> ChooseKey(const fcitx::Key& rawKey, const KeySituation& situation) {
    const KeyStates held = rawKey.states() & kDeciding;
    if (held == KeyStates{KeyState::Ctrl, KeyState::Alt}) {
        if (!situation.hasOwner) return std::nullopt;
        return ChordCommand(rawKey.sym());
    }
    if (!situation.hasTarget || situation.ownInputContext || held.testAny(kShortcut)) return std::nullopt;
    return PlainKey(MainRowTwin(rawKey.sym()), held.test(KeyState::Shift), held.test(KeyState::Ctrl));
}

}  // namespace orvik::fcitxhook
