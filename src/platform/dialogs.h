// The modal dialogs the program raises: message boxes and the font dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "codes/desktop_codes.h"

namespace orvik {

// A font as the font dialog gives it: face name and point size.
struct FontChoice {
    std::u16string FontName;
    float FontSize = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with the buttons and icon of `style` (kMbOkOnly,
    // kMbOkCancel, kMbExclamation); answers the button pressed (kIdOk,
    // kIdCancel).
    virtual std::int32_t MsgBox(std::u16string_view text, std::int32_t style, std::u16string_view caption) = 0;
    // A message box with its OK button only.
    void MessageBox(std::u16string_view text, std::u16string_view caption) { MsgBox(text, kMbOkOnly, caption); }
    // The modal font dialog of the desktop's fonts: the chosen font, or
    // `start` when the user cancels.
    virtual FontChoice ShowFontDialog(std::u16string_view title, const FontChoice& start) = 0;
};

// The caption of the system's messages.
inline constexpr std::u16string_view kMessageCaption = u"Việt Orvik thông báo";

}  // namespace orvik
