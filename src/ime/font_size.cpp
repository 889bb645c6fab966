#include "ime/font_size.h"

#include <charconv>
#include <cmath>

#include "engine/text.h"

namespace orvik {

namespace {

// A single-precision number has seven significant digits; the text never
// takes the desktop's decimal comma.
std::u16string ShortNumberText(float points) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, points, std::chars_format::general, 7);
    return Utf8ToU16(std::string_view(text, static_cast<std::size_t>(result.ptr - text)));
}

}  // namespace

FontSizeValue::FontSizeValue(float points) : points_(points), text_(ShortNumberText(points)) {}

std::optional<FontSizeValue> FontSizeValue::FromText(std::u16string_view text) {
    const auto points = ExactDecimalValue(text);
    if (!points || *points <= 0 || !std::isfinite(static_cast<float>(*points))) return std::nullopt;
    return FontSizeValue(static_cast<float>(*points), std::u16string(text));
}

}  // namespace orvik
