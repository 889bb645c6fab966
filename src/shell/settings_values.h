// Settings read back from their text: the Vietnamese font size as a whole
// number and the sending mode as a Boolean. Both answer nothing for text
// that is not such a value, so the caller can fall back to the default.
#pragma once

#include <optional>
#include <string_view>

namespace orvik {

// A positive number that fits 16 bits; a fraction is rounded to the nearest
// whole size, a half to the even one ("12.5" gives 12).
std::optional<int> ReadVnFontSize(std::u16string_view text);

// "True" or "False" in any case, or a number: 0 is False, any other True.
std::optional<bool> ReadBoolean(std::u16string_view text);

}  // namespace orvik
