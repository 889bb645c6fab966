// The ideograph font's point size, which the settings store gives as text and
// the font chooser as a number: it keeps the text it was read as, so a size
// stored as "16.0" is written back as "16.0", until a chooser gives a number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvik {

class FontSizeValue {
public:
    // A number, as text in its shortest form: 16, 10.5.
    FontSizeValue(float points = kDefaultPoints);  // NOLINT(google-explicit-constructor): a size is a number
    // Text that reads as a positive number, blanks around it allowed; none
    // otherwise.
    static std::optional<FontSizeValue> FromText(std::u16string_view text);

    float Points() const { return points_; }
    const std::u16string& Text() const { return text_; }

    static constexpr float kDefaultPoints = 16;

private:
    FontSizeValue(float points, std::u16string text) : points_(points), text_(std::move(text)) {}

    float points_;
    std::u16string text_;
};

}  // namespace orvik
