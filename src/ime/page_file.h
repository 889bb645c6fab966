// The candidate page file temp.htm: a page fragment wrapped in the five lines
// that set its font and colour, written to the current directory and shown
// in a browser view.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/platform.h"

namespace orvik {

inline constexpr std::string_view kPageFileName = "temp.htm";

// The file's bytes: five lines ended by CR LF, 8-bit text.
std::string CandidatePageBytes(std::u16string_view fragment);

// Writes the page file for `fragment` and navigates `view` (named `viewName`
// for the platform) to it.
void ShowCandidatePage(Platform& platform, BrowserView& view, std::string_view viewName,
                       std::u16string_view fragment);

}  // namespace orvik
