#include "lookup/selection_lookup.h"

#include "lookup/code_tables.h"
#include "lookup/rtf_escapes.h"

namespace orvik {

namespace {

constexpr std::int32_t kHighSurrogateFirst = 0xD800, kHighSurrogateLast = 0xDBFF;
constexpr std::int32_t kLowSurrogateFirst = 0xDC00;

// RTF writes units above 32767 as negative numbers.
std::int32_t UnitValue(std::int32_t value) { return value < 0 ? value + 65536 : value; }

// The low half is taken as written and corrected by 65536 in the sum, as a
// negative half is written.
std::int32_t PairCodePoint(std::int32_t high, std::int32_t low) {
    return (high - kHighSurrogateFirst) * 1024 + 0x10000 + (low + 65536 - kLowSurrogateFirst);
}

// The next character of the Unicode escapes; nothing at their end or at a
// high half that no escape follows.
std::optional<std::int32_t> TakeCharacter(std::u16string_view& rest) {
    const auto digits = TakeUnicodeEscape(rest);
    if (!digits) return std::nullopt;
    const std::int32_t v = UnitValue(EscapeValue(*digits));
    if (v < kHighSurrogateFirst || v > kHighSurrogateLast) return v;
    const auto low = TakeUnicodeEscape(rest);
    if (!low) return std::nullopt;
    return PairCodePoint(v, EscapeValue(*low));
}

std::optional<std::u16string> FirstUnicodePage(std::u16string_view rest, ModeScripts scripts,
                                               const LookupLines& lines) {
    for (int read = 0; read < kMaxScannedEscapes; ++read) {
        const auto codePoint = TakeCharacter(rest);
        if (!codePoint) break;
        if (auto page = CharacterPage(*codePoint, scripts, lines)) return page;
    }
    return std::nullopt;
}

std::optional<std::u16string> FirstBig5Page(std::u16string_view rest, ModeScripts scripts, const LookupLines& lines) {
    for (int read = 0; read < kMaxScannedEscapes; ++read) {
        const auto big5 = TakeBig5Escape(rest);
        if (!big5) break;
        const auto codePoint = Big5ToCodePoint(lines.Big5Line, *big5);
        if (!codePoint) continue;
        if (auto page = CharacterPage(*codePoint, scripts, lines)) return page;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> SelectionPage(std::u16string_view rtf, ModeScripts scripts, const LookupLines& lines) {
    if (!scripts.Any()) return std::nullopt;
    if (auto page = FirstUnicodePage(rtf, scripts, lines)) return page;
    return FirstBig5Page(rtf, scripts, lines);
}

}  // namespace orvik
