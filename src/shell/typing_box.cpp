#include "shell/typing_box.h"

#include "codes/desktop_codes.h"
#include "shell/orviku.h"

namespace orvik {

namespace {

constexpr std::int16_t kControlLetterOffset = 64;  // Ctrl+A types character 1

// What the text box itself does with a character.
void EditBox(TextBox& box, std::int16_t ascii) {
    if (ascii == kAsciiBack) {
        if (!box.Text.empty()) box.Text.pop_back();
    } else if (ascii >= kFirstPrintableAscii) {
        box.Text.push_back(static_cast<char16_t>(ascii));
    }
}

}  // namespace

std::int16_t KeyAsciiOf(std::int16_t keyCode, std::int16_t shift) {
    if ((shift & kAltMask) != 0) return 0;
    if (keyCode >= kVkA && keyCode <= kVkZ) {
        if ((shift & kCtrlMask) != 0) return static_cast<std::int16_t>(keyCode - kControlLetterOffset);
        return (shift & kShiftMask) != 0 ? keyCode : static_cast<std::int16_t>(keyCode + kSmallLetterOffset);
    }
    if (keyCode >= kVk0 && keyCode <= kVk9) return keyCode;
    switch (keyCode) {
        case kVkBack: return kAsciiBack;
        case kVkReturn: return kAsciiReturn;
        case kVkEscape: return kAsciiEscape;
        case kVkSpace: return kVkSpace;
        case kVkComma: return u',';
        case kVkPeriod: return u'.';
        default: return 0;
    }
}

// The key-down handler's setting the key code to 0 stops neither the
// character nor the release.
void TypeIntoText1(OrvikU& window, std::int16_t keyCode, std::int16_t shift) {
    std::int16_t down = keyCode;
    window.Text1_KeyDown(down, shift);
    std::int16_t ascii = KeyAsciiOf(keyCode, shift);
    if (ascii != 0) window.Text1_KeyPress(ascii);
    EditBox(window.Text1, ascii);
    std::int16_t up = keyCode;
    window.Form_KeyUp(up, shift);
    window.Text1_KeyUp(up, shift);
}

}  // namespace orvik
