#include "lookup/code_tables.h"

#include <cmath>

#include "engine/text.h"

namespace orvik {

namespace {

// Position of the decimal code point followed by "/", or 0.
int FindListed(std::u16string_view line, std::int32_t codePoint) {
    return Find(line, DecimalText(codePoint) + u"/");
}

std::int32_t NumberIn(std::u16string_view text) {
    const double value = DecimalValue(text);
    return std::isfinite(value) ? static_cast<std::int32_t>(value) : 0;
}

}  // namespace

std::optional<std::int32_t> Big5ToCodePoint(std::u16string_view big5Line, std::u16string_view big5) {
    const int pos = Find(big5Line, u"/" + LCase(big5));
    if (pos == 0 || big5.size() != 4) return std::nullopt;
    return NumberIn(Mid(big5Line, pos + 5, 5));
}

std::optional<std::u16string> CodePointToBig5(std::u16string_view big5Line, std::int32_t codePoint) {
    const int pos = FindListed(big5Line, codePoint);
    if (pos <= 4) return std::nullopt;
    return Mid(big5Line, pos - 4, 4);
}

bool ListsCodePoint(std::u16string_view line, std::int32_t codePoint) {
    return FindListed(line, codePoint) > 0;
}

std::optional<std::int32_t> VariantTarget(std::u16string_view variantLine, std::int32_t codePoint) {
    const int pos = FindListed(variantLine, codePoint);
    if (pos <= 5) return std::nullopt;
    return NumberIn(Mid(variantLine, pos - 5, 5));
}

std::optional<std::u16string> FirstReading(std::u16string_view readingLine, std::u16string_view key) {
    if (key.empty()) return std::nullopt;
    const int pos = Find(readingLine, std::u16string(key) + u":");
    if (pos == 0) return std::nullopt;
    std::u16string reading = Mid(readingLine, pos + static_cast<int>(key.size()) + 1, 50);
    for (const char16_t end : {u'\\', u'/'})
        if (const int cut = Find(reading, std::u16string(1, end)); cut > 0) reading = Left(reading, cut - 1);
    return reading;
}

std::u16string HanPageAddress(std::int32_t codePoint) {
    return u"its:hvtdu.chm::/html\\hv" + DecimalText(codePoint) + u".htm";
}

std::u16string NomPageAddress(std::int32_t codePoint) {
    return u"its:nomtdu.chm::/n" + DecimalText(codePoint) + u".htm";
}

std::u16string VietPageAddress(std::u16string_view wordKey) {
    return u"its:tdviet.chm::/v" + std::u16string(wordKey) + u".htm";
}

}  // namespace orvik
