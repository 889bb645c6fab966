// The text of a control as it reads on screen. The controls hold 8-bit
// Vietnamese text that reads correctly only in a font of its code; the
// views decode it by the control's font name and draw it in a Unicode font.
#pragma once

#include <string>
#include <string_view>

namespace orvik {

// "VNtimes new roman" is VietWare-X, ".VnTime" and "Tcvnssfont" TCVN3,
// "VNI-Times" VNI-Windows (names compared without case); text in any other
// font is shown as it is.
std::u16string DisplayText(std::u16string_view text, std::u16string_view fontName);

}  // namespace orvik
