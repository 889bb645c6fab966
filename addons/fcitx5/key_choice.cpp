#include "key_choice.h"

#include <cctype>

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

// Keys that act on the typed word, taken without Ctrl while there is one.
std::optional<std::int16_t> EditingKey(fcitx::KeySym sym) {
    switch (sym) {
        case FcitxKey_BackSpace: return kVkBack;
        case FcitxKey_Escape: return kVkEscape;
        case FcitxKey_Up: return kVkUp;
        case FcitxKey_Down: return kVkDown;
        default: return std::nullopt;
    }
}

// Keys that end the typed word and then do what they do in the application.
std::optional<std::int16_t> EndingKey(fcitx::KeySym sym) {
    switch (sym) {
        case FcitxKey_Return:
        case FcitxKey_KP_Enter: return kVkReturn;
        case FcitxKey_Tab: return kVkTab;
        default: break;
    }
    const std::uint32_t unit = fcitx::Key::keySymToUnicode(sym);
    if (unit < 0x80 && std::ispunct(static_cast<int>(unit)) != 0) return kVkOem8;
    return std::nullopt;
}

std::optional<ChosenKey> WordKey(fcitx::KeySym sym, bool shift) {
    const auto shiftState = static_cast<std::int16_t>(shift ? kShiftMask : 0);
    if (const auto code = EditingKey(sym)) return ChosenKey{*code, shiftState};
    // Unshifted comma and period end the word with themselves.
    if (!shift && sym == FcitxKey_comma) return ChosenKey{kVkComma, 0};
    if (!shift && sym == FcitxKey_period) return ChosenKey{kVkPeriod, 0};
    if (const auto code = EndingKey(sym)) return ChosenKey{*code, shiftState};
    return std::nullopt;
}

std::optional<ChosenKey> PlainKey(fcitx::KeySym sym, bool shift, bool ctrl, bool wordMayBePending) {
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
    if (sym == FcitxKey_space) return ChosenKey{kVkSpace, shiftState};
    if (!wordMayBePending) return std::nullopt;
    return WordKey(sym, shift);
}

}  // namespace

std::optional<ChosenKey> ChooseKey(const fcitx::Key& rawKey, const KeySituation& situation) {
    const KeyStates held = rawKey.states() & kDeciding;
    if (held == KeyStates{KeyState::Ctrl, KeyState::Alt}) {
        if (!situation.hasOwner) return std::nullopt;
        return ChordCommand(rawKey.sym());
    }
    if (!situation.hasTarget || situation.ownInputContext || held.testAny(kShortcut)) return std::nullopt;
    return PlainKey(MainRowTwin(rawKey.sym()), held.test(KeyState::Shift), held.test(KeyState::Ctrl),
                    situation.wordMayBePending);
}

}  // namespace orvik::fcitxhook
