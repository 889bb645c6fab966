#include "lookup/rtf_escapes.h"

#include <cmath>

#include "engine/text.h"

namespace orvik {

namespace {

// Moves `rest` past `count` characters, or to its end.
void Skip(std::u16string_view& rest, std::size_t count) { rest.remove_prefix(std::min(count, rest.size())); }

std::u16string LowerHexByte(char16_t c) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    // A character beyond the 8-bit code page stands as "?" there.
    const unsigned byte = c <= 0xFF ? c : u'?';
    return {kDigits[byte >> 4], kDigits[byte & 0xF]};
}

}  // namespace

std::optional<std::u16string> TakeUnicodeEscape(std::u16string_view& rest) {
    const auto at = rest.find(u"\\u");
    if (at == std::u16string_view::npos) return std::nullopt;
    std::u16string digits(rest.substr(at + 2, 6));
    Skip(rest, at + 3);
    return digits;
}

std::int32_t EscapeValue(std::u16string_view digits) {
    return static_cast<std::int32_t>(std::lround(DecimalValue(digits)));
}

std::optional<std::u16string> TakeBig5Escape(std::u16string_view& rest) {
    const auto at = rest.find(u"\\'");
    if (at == std::u16string_view::npos) return std::nullopt;
    std::u16string code(rest.substr(at + 2, 2));
    Skip(rest, at + 4);
    const bool firstIsBackslash = !rest.empty() && rest[0] == u'\\';
    const bool secondIsBackslash = rest.size() > 1 && rest[1] == u'\\';
    if (rest.empty()) return code;
    if (firstIsBackslash == secondIsBackslash) {
        code += LowerHexByte(rest[0]);
        Skip(rest, 1);
        return code;
    }
    const auto next = rest.find(u"\\'");
    if (next == std::u16string_view::npos) {
        rest = {};
        return code;
    }
    code += rest.substr(next + 2, 2);
    Skip(rest, next + 4);
    return code;
}

}  // namespace orvik
