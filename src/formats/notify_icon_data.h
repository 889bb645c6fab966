// The record that adds or removes a tray icon: 88 bytes, little-endian,
// cbSize (always 88), hWnd, uID, uFlags, uCallbackMessage and hIcon as 32-bit
// numbers, then a 64-byte tip of 8-bit text ended by a NUL.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvik {

using WindowHandle = std::uint32_t;
using IconHandle = std::uint32_t;

inline constexpr std::size_t kNotifyIconDataSize = 88;
inline constexpr std::size_t kTrayTipSize = 64;

using NotifyIconData = std::array<std::uint8_t, kNotifyIconDataSize>;

// The tip is cut to 63 characters so its NUL fits; a character beyond 8
// bits reads as "?".
NotifyIconData MakeTrayIconData(WindowHandle hWnd, std::uint32_t uID, std::uint32_t uFlags,
                                std::uint32_t uCallbackMessage, IconHandle hIcon, std::u16string_view tip);

// What a record holds, read back; the tip ends at its first NUL.
struct TrayIconFields {
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    std::u16string tip;
};

TrayIconFields ReadTrayIconData(const NotifyIconData& data);

// A tray icon's notification reaches its window as a mouse move whose X is
// the mouse message times the screen's twips per pixel; only 96 and 120 dots
// per inch are known.
bool IsTrayMessage(float x, std::int32_t message);

}  // namespace orvik
