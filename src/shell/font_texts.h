// The titles of the two font choosers and the messages shown after them, as
// the menu and the configuration dialog show them.
#pragma once

#include <cmath>
#include <cstdint>
#include <string_view>

namespace orvik {

inline constexpr std::u16string_view kVietFontTitle = u"Chon Font hien thi chu Viet";
inline constexpr std::u16string_view kOrvikFontTitle = u"Chon Font xuat ra chu Han";

// The choice of a font shows only where the text is pasted as RTF, which
// the "98" sending mode does.
inline constexpr std::u16string_view kVietFontMessage =
    u"Người sử dụng phải tự chọn tên font phù hợp với mã tiếng Việt đã chọn\r\n"
    u"Định dạng font chữ Việt xuất ra sẽ chỉ thể hiện trong chế độ tương thích WIN98 (!)\r\n"
    u"Chọn tương thích bằng nút 98/2K trên thanh tác vụ IME.";
inline constexpr std::u16string_view kOrvikFontMessage =
    u"Định dạng font Orvik xuất ra sẽ chỉ thể hiện trong chế độ tương thích WIN98 (!)\r\n"
    u"Chọn tương thích bằng nút 98/2K trên thanh tác vụ IME.";

// The ideograph font the menu's chooser always starts from.
inline constexpr std::u16string_view kOrvikFontName = u"Chu Nom Minh U";
inline constexpr float kOrvikFontSize = 16;

// The Vietnamese font takes a whole size, a half going to the even one.
inline std::int32_t WholeVietFontSize(float points) { return static_cast<std::int32_t>(std::lrint(points)); }

}  // namespace orvik
