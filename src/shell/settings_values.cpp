#include "shell/settings_values.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/text.h"

namespace orvik {

namespace {

// Read without the desktop's locale: the store always writes "12".
std::optional<double> ReadNumber(std::u16string_view text) {
    const std::string digits = U16ToUtf8(Trim(text));
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ReadVnFontSize(std::u16string_view text) {
    const auto number = ReadNumber(text);
    if (!number) return std::nullopt;
    const double whole = std::nearbyint(*number);
    if (whole < 1 || whole > std::numeric_limits<std::int16_t>::max()) return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<bool> ReadBoolean(std::u16string_view text) {
    const std::u16string word = LCase(Trim(text));
    if (word == u"true") return true;
    if (word == u"false") return false;
    const auto number = ReadNumber(text);
    if (!number) return std::nullopt;
    return *number != 0;
}

}  // namespace orvik
