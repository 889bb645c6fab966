// Code points of UTF-8 text; the engine works in UTF-16, the data files talk
// about whole code points (supplementary Nôm characters included).
#pragma once

#include <string>
#include <string_view>

namespace orvik::mkdata {

std::u32string CodePoints(std::string_view utf8);
std::string Utf8Of(char32_t cp);
std::string Utf8Of(std::u32string_view cps);

// "U+4E00" -> 0x4E00; 0 when the text is no code point of that form.
char32_t ParseCodePoint(std::string_view text);

// "&#19968;": how pages write an ideograph.
std::string CharRef(char32_t cp);

std::string Hex(char32_t value, int width, bool upper);

}  // namespace orvik::mkdata
