// Which key presses the hook takes from the applications, and the code and
// shift state orvik2004 receives for each. Everything not named here goes to
// the application untouched.
#pragma once

#include <fcitx-utils/key.h>

#include <array>
#include <cstdint>
#include <optional>

#include "codes/desktop_codes.h"

namespace orvik::fcitxhook {

// The command chords: Ctrl+Alt with a letter, taken in every application
// (the program's own too) and reported to the program's main window. The
// user's guide lists the same table.
struct Chord {
    fcitx::KeySym letter;
    std::int16_t command;
};
inline constexpr std::array<Chord, 6> kChords{{
    {FcitxKey_o, kCmdImeOnOff},
    {FcitxKey_m, kCmdNextMode},
    {FcitxKey_h, kCmdTelexHan},
    {FcitxKey_n, kCmdTelexNom},
    {FcitxKey_x, kCmdLookup},
    {FcitxKey_r, kCmdTranscribe},
}};

// What the program has registered, and where the key was typed.
struct KeySituation {
    bool hasTarget = false;        // a window of the program receives keys
    bool hasOwner = false;         // the program's main window is known
    bool ownInputContext = false;  // typed into one of the program's windows
    // The candidate window holds a typed word, or keys still waiting for the
    // program may leave one there: the keys that edit or end a word are
    // then the program's, else the application's.
    bool wordMayBePending = false;
};

struct ChosenKey {
    std::int16_t code = 0;
    std::int16_t shift = 0;  // kShiftMask, kCtrlMask
    bool operator==(const ChosenKey&) const = default;
};

// The report of a press of `rawKey` (its keysym as typed, its modifiers), or
// nothing when the press belongs to the application.
std::optional<ChosenKey> ChooseKey(const fcitx::Key& rawKey, const KeySituation& situation);

}  // namespace orvik::fcitxhook
