#include "char_units.h"

namespace orvik::fcitxhook {

namespace {

constexpr std::uint16_t kHighFirst = 0xD800;
constexpr std::uint16_t kLowFirst = 0xDC00;
constexpr std::uint16_t kLowLast = 0xDFFF;
constexpr char32_t kFirstBeyondUnit = 0x10000;

bool IsHigh(std::uint16_t unit) { return unit >= kHighFirst && unit < kLowFirst; }
bool IsLow(std::uint16_t unit) { return unit >= kLowFirst && unit <= kLowLast; }

}  // namespace

CharUnits::Outcome CharUnits::Add(std::uint16_t unit) {
    const std::optional<std::uint16_t> high = high_;
    high_.reset();
    if (IsLow(unit) && high) {
        return {kFirstBeyondUnit + ((static_cast<char32_t>(*high - kHighFirst) << 10) | (unit - kLowFirst)), false};
    }
    Outcome outcome;
    outcome.droppedHalf = high.has_value() || IsLow(unit);
    if (IsHigh(unit)) {
        high_ = unit;
    } else if (!IsLow(unit) && unit != 0) {
        outcome.character = unit;
    }
    return outcome;
}

}  // namespace orvik::fcitxhook
