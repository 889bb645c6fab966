#include "lookup/code_tables.h"

#include <cmath>

#include "engine/text.h"
#include "lookup/ideographs.h"

namespace orvik {

namespace {

constexpr int kBig5Width = 4;      // hex digits of a Big5 code
constexpr int kVariantWidth = 5;   // digits of a variant's target and key

// Find from position `start` (1 to the line's size + 1), eight positions at
// a time: the lines run to 220,000 characters, and a selection's look-up may
// search them for every one of its characters.
int FindFrom(std::u16string_view line, std::u16string_view needle, int start) {
    const int p = FindInLongText(line.substr(static_cast<std::size_t>(start - 1)), needle);
    return p == 0 ? 0 : p + start - 1;
}

// The first occurrence of `needle` whose position p (from 1) `atBoundary`
// accepts, or 0.
template <typename Boundary>
int FindAtBoundary(std::u16string_view line, std::u16string_view needle, Boundary atBoundary) {
    for (int p = FindFrom(line, needle, 1); p > 0; p = FindFrom(line, needle, p + 1))
        if (atBoundary(p)) return p;
    return 0;
}

// The character at position p (from 1), or "/" before the line's start.
char16_t At(std::u16string_view line, int p) { return p < 1 ? u'/' : line[static_cast<std::size_t>(p - 1)]; }

std::int32_t NumberIn(std::u16string_view text) {
    const double value = DecimalValue(text);
    return std::isfinite(value) ? static_cast<std::int32_t>(value) : 0;
}

std::optional<std::int32_t> TargetBefore(std::u16string_view variantLine, int keyPosition) {
    if (keyPosition == 0) return std::nullopt;
    return NumberIn(Mid(variantLine, keyPosition - kVariantWidth, kVariantWidth));
}

}  // namespace

std::optional<std::int32_t> Big5ToCodePoint(std::u16string_view big5Line, std::u16string_view big5) {
    const int pos = Find(big5Line, u"/" + LCase(big5));
    if (pos == 0 || big5.size() != 4) return std::nullopt;
    return NumberIn(Mid(big5Line, pos + 5, 5));
}

std::optional<std::u16string> CodePointToBig5(std::u16string_view big5Line, std::int32_t codePoint) {
    const int pos = FindBig5Entry(big5Line, codePoint);
    if (pos == 0) return std::nullopt;
    return Mid(big5Line, pos - kBig5Width, kBig5Width);
}

// The digits follow "/" and the four hex digits of the Big5 code.
int FindBig5Entry(std::u16string_view big5Line, std::int32_t codePoint) {
    return FindAtBoundary(big5Line, DecimalText(codePoint) + u"/", [&](int p) {
        return p > kBig5Width + 1 && At(big5Line, p - kBig5Width - 1) == u'/';
    });
}

// The key follows the five target digits, which start the line or follow
// the "/" of the entry before.
int FindVariantKey(std::u16string_view variantLine, std::int32_t codePoint) {
    return FindAtBoundary(variantLine, DecimalText(codePoint) + u"/", [&](int p) {
        return p > kVariantWidth && At(variantLine, p - kVariantWidth - 1) == u'/';
    });
}

int FindVariantKey(const VariantTable& variants, std::int32_t codePoint) { return variants.KeyPosition(codePoint); }

int FindNomEntry(std::u16string_view nomLine, std::int32_t codePoint) {
    return FindAtBoundary(nomLine, DecimalText(codePoint) + u"/", [&](int p) { return At(nomLine, p - 1) == u'/'; });
}

bool HasHanPage(std::u16string_view big5Line, std::int32_t codePoint) {
    return IsIdeograph(codePoint) && FindBig5Entry(big5Line, codePoint) > 0;
}

bool HasNomPage(std::u16string_view nomLine, std::int32_t codePoint) {
    return IsIdeograph(codePoint) && FindNomEntry(nomLine, codePoint) > 0;
}

// "/ngu" is the start of "/nguoi": only a key that ends where its entry ends
// has a page.
bool HasVietPage(std::u16string_view wordList, std::u16string_view wordKey) {
    if (wordKey.empty() || wordKey.find(u'/') != std::u16string_view::npos) return false;
    const std::u16string entry = u"/" + std::u16string(wordKey);
    return FindAtBoundary(wordList, entry, [&](int p) {
               const std::size_t end = static_cast<std::size_t>(p - 1) + entry.size();
               return end == wordList.size() || wordList[end] == u'/';
           }) > 0;
}

std::optional<std::int32_t> VariantTarget(std::u16string_view variantLine, std::int32_t codePoint) {
    return TargetBefore(variantLine, FindVariantKey(variantLine, codePoint));
}

std::optional<std::int32_t> VariantTarget(const VariantTable& variants, std::int32_t codePoint) {
    return TargetBefore(variants, variants.KeyPosition(codePoint));
}

std::optional<std::u16string> FirstReading(std::u16string_view readingLine, std::u16string_view key) {
    if (key.empty()) return std::nullopt;
    // An entry starts the line or follows the "\" that ends the one before.
    const int pos = FindAtBoundary(readingLine, std::u16string(key) + u":",
                                   [&](int p) { return p == 1 || At(readingLine, p - 1) == u'\\'; });
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
