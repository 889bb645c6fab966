#include "formats/rtf_control.h"

namespace orvik {

namespace {

constexpr long kNumberCap = 10'000'000;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsRtfLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsHexDigit(char16_t c) { return IsDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

}  // namespace

RtfControl ReadRtfControl(std::u16string_view rtf, std::size_t backslash) {
    std::size_t i = backslash + 1;
    if (i >= rtf.size()) return {i, {}, {}};
    if (rtf[i] == u'\'') {
        for (++i; i < rtf.size() && i < backslash + 4 && IsHexDigit(rtf[i]);) ++i;
        return {i, {}, {}};
    }
    if (!IsRtfLetter(rtf[i])) return {i + 1, {}, {}};
    const std::size_t wordStart = i;
    while (i < rtf.size() && IsRtfLetter(rtf[i])) ++i;
    RtfControl control{0, rtf.substr(wordStart, i - wordStart), std::nullopt};
    const bool negative = i < rtf.size() && rtf[i] == u'-';
    const std::size_t digits = negative ? i + 1 : i;
    long value = 0;
    std::size_t j = digits;
    for (; j < rtf.size() && IsDigit(rtf[j]); ++j)
        if (value < kNumberCap) value = value * 10 + (rtf[j] - u'0');
    if (j > digits) {
        control.number = negative ? -value : value;
        i = j;
    }
    if (i < rtf.size() && rtf[i] == u' ') ++i;
    control.end = i;
    return control;
}

}  // namespace orvik
