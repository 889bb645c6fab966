// One key typed into the main window's typing box, where no desktop text
// box does its part (the command-line tool, tests): the key goes down, its
// character goes to the box, which adds it at its end, where the caret
// stands, or deletes the last character for Backspace, unless the key-press
// handler swallowed it; then the key is released to the window, which sees
// its controls' keys first, and to the box.
#pragma once

#include <cstdint>

namespace orvik {

class OrvikU;

// The character a key types (its KeyAscii): letters small, capital with
// Shift, a control character with Ctrl; digits, Space, comma, period,
// Backspace, Enter and Esc as themselves; 0 for keys that type none, and
// for any key with Alt.
std::int16_t KeyAsciiOf(std::int16_t keyCode, std::int16_t shift);

void TypeIntoText1(OrvikU& window, std::int16_t keyCode, std::int16_t shift);

}  // namespace orvik
