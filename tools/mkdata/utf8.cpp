#include "utf8.h"

#include <charconv>

#include "engine/text.h"

namespace orvik::mkdata {

std::u32string CodePoints(std::string_view utf8) {
    const std::u16string units = Utf8ToU16(utf8);
    std::u32string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size()) {
            out.push_back(0x10000 + ((char32_t{u} - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else {
            out.push_back(u);
        }
    }
    return out;
}

std::string Utf8Of(char32_t cp) {
    std::u16string units;
    if (cp >= 0x10000) {
        units.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
        units.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
        units.push_back(static_cast<char16_t>(cp));
    }
    return U16ToUtf8(units);
}

std::string Utf8Of(std::u32string_view cps) {
    std::string out;
    for (char32_t cp : cps) out += Utf8Of(cp);
    return out;
}

char32_t ParseCodePoint(std::string_view text) {
    if (text.size() < 6 || text.size() > 8 || text.substr(0, 2) != "U+") return 0;
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (ec != std::errc() || end != text.data() + text.size()) return 0;
    return value;
}

std::string CharRef(char32_t cp) { return "&#" + std::to_string(cp) + ";"; }

std::string Hex(char32_t value, int width, bool upper) {
    static constexpr char kUpper[] = "0123456789ABCDEF";
    static constexpr char kLower[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), (upper ? kUpper : kLower)[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(out.size()) < width) out.insert(out.begin(), '0');
    return out;
}

}  // namespace orvik::mkdata
