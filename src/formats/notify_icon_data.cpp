#include "formats/notify_icon_data.h"

#include "codes/desktop_codes.h"

#include <algorithm>
#include <iterator>

namespace orvik {

namespace {

constexpr std::size_t kTipOffset = 24;

void PutNumber(NotifyIconData& data, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) data[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetNumber(const NotifyIconData& data, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(data[offset + i]) << (8 * i);
    return value;
}

}  // namespace

NotifyIconData MakeTrayIconData(WindowHandle hWnd, std::uint32_t uID, std::uint32_t uFlags,
                                std::uint32_t uCallbackMessage, IconHandle hIcon, std::u16string_view tip) {
    NotifyIconData data{};
    const std::uint32_t fields[] = {kNotifyIconDataSize, hWnd, uID, uFlags, uCallbackMessage, hIcon};
    for (std::size_t i = 0; i < std::size(fields); ++i) PutNumber(data, 4 * i, fields[i]);
    const std::size_t length = std::min(tip.size(), kTrayTipSize - 1);
    for (std::size_t i = 0; i < length; ++i) data[kTipOffset + i] = tip[i] <= 0xFF ? static_cast<std::uint8_t>(tip[i]) : '?';
    return data;
}

TrayIconFields ReadTrayIconData(const NotifyIconData& data) {
    TrayIconFields fields{GetNumber(data, 4), GetNumber(data, 8), GetNumber(data, 12), GetNumber(data, 16),
                          GetNumber(data, 20), {}};
    for (std::size_t i = kTipOffset; i < kNotifyIconDataSize && data[i] != 0; ++i) fields.tip.push_back(data[i]);
    return fields;
}

bool IsTrayMessage(float x, std::int32_t message) {
    return x == static_cast<float>(message * kTwipsPerPixelAt96Dpi) ||
           x == static_cast<float>(message * kTwipsPerPixelAt120Dpi);
}

}  // namespace orvik
