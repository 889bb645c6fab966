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

std::int32_t ScanUnicodeEscapes(std::u16string_view rest) {
    std::int32_t v = 0;
    for (int counter = 1;;) {
        const auto digits = TakeUnicodeEscape(rest);
        if (!digits) break;
        v = UnitValue(EscapeValue(*digits));
        if (v >= kHighSurrogateFirst && v <= kHighSurrogateLast) {
            const auto low = TakeUnicodeEscape(rest);
            if (!low) break;
            v = PairCodePoint(v, EscapeValue(*low));
        }
        ++counter;
        if (counter > kMaxScannedEscapes || rest.empty() || v > kIdeographThreshold) break;
    }
    return v;
}

}  // namespace

std::optional<std::int32_t> SelectedCodePoint(std::u16string_view rtf, std::u16string_view big5Line) {
    const std::int32_t v = ScanUnicodeEscapes(rtf);
    if (v >= kIdeographThreshold) return v;
    const auto big5 = TakeBig5Escape(rtf);
    if (!big5) return std::nullopt;
    return Big5ToCodePoint(big5Line, *big5);
}

std::u16string SelectionPageAddress(std::int32_t codePoint, ModeScripts scripts, const LookupLines& lines) {
    std::u16string page;
    if (scripts.han) {
        const std::int32_t shown = VariantTarget(lines.VariantLine, codePoint).value_or(codePoint);
        page = ListedInBig5Line(lines.Big5Line, shown) ? HanPageAddress(shown) : NomPageAddress(shown);
    }
    if (scripts.nom)
        page = ListedInNomLine(lines.NomLine, codePoint) ? NomPageAddress(codePoint) : HanPageAddress(codePoint);
    return page;
}

}  // namespace orvik
