#include "shell/settings_values.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/text.h"

namespace orvik {

std::optional<int> ReadVnFontSize(std::u16string_view text) {
    const auto number = ExactDecimalValue(text);
    if (!number) return std::nullopt;
    const double whole = std::nearbyint(*number);
    if (whole < 1 || whole > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<bool> ReadBoolean(std::u16string_view text) {
    const std::u16string word = LCase(Trim(text));
    if (word == u"true") return true;
    if (word == u"false") return false;
    const auto number = ExactDecimalValue(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

}  // namespace orvik
