#include "engine/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace orvik {

int Find(std::u16string_view s, std::u16string_view sub, int start) {
    if (start < 1) start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from > s.size()) return 0;
    const auto at = s.find(sub, from);
    return at == std::u16string_view::npos ? 0 : static_cast<int>(at) + 1;
}

namespace {

using Units8 = char16_t __attribute__((vector_size(16)));

Units8 Load8(const char16_t* at) {
    Units8 v;
    std::memcpy(&v, at, sizeof v);
    return v;
}

Units8 Splat8(char16_t c) { return Units8{c, c, c, c, c, c, c, c}; }

// Whether any of the eight positions from `at` starts with the needle's first
// three units: a filter that rules out most of a long text eight at a time.
bool MaybeStartsAmong8(const char16_t* at, const Units8& a, const Units8& b, const Units8& c) {
    const auto hit = (Load8(at) == a) & (Load8(at + 1) == b) & (Load8(at + 2) == c);
    std::uint64_t bits[2];
    std::memcpy(bits, &hit, sizeof bits);
    return (bits[0] | bits[1]) != 0;
}

}  // namespace

int FindInLongText(std::u16string_view s, std::u16string_view sub) {
    const std::size_t m = sub.size();
    if (m < 3 || s.size() < m + 16) return Find(s, sub);
    const Units8 a = Splat8(sub[0]), b = Splat8(sub[1]), c = Splat8(sub[2]);
    const std::size_t lastStart = s.size() - m;
    std::size_t at = 0;
    for (; at + 8 <= lastStart + 1; at += 8) {
        if (!MaybeStartsAmong8(s.data() + at, a, b, c)) continue;
        for (std::size_t i = at; i < at + 8; ++i)
            if (s.compare(i, m, sub) == 0) return static_cast<int>(i) + 1;
    }
    for (; at <= lastStart; ++at)
        if (s.compare(at, m, sub) == 0) return static_cast<int>(at) + 1;
    return 0;
}

std::u16string Mid(std::u16string_view s, int start, int len) {
    if (start < 1) start = 1;
    const auto from = static_cast<std::size_t>(start - 1);
    if (from >= s.size() || len == 0) return {};
    const auto count = len < 0 ? std::u16string_view::npos : static_cast<std::size_t>(len);
    return std::u16string(s.substr(from, count));
}

std::u16string Left(std::u16string_view s, int len) {
    if (len <= 0) return {};
    return std::u16string(s.substr(0, static_cast<std::size_t>(len)));
}

std::u16string Right(std::u16string_view s, int len) {
    if (len <= 0) return {};
    const auto n = std::min(s.size(), static_cast<std::size_t>(len));
    return std::u16string(s.substr(s.size() - n));
}

std::u16string ReplaceAll(std::u16string_view s, std::u16string_view from,
                          std::u16string_view to) {
    if (from.empty()) return std::u16string(s);
    std::u16string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    for (auto at = s.find(from); at != std::u16string_view::npos; at = s.find(from, pos)) {
        out.append(s.substr(pos, at - pos)).append(to);
        pos = at + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

namespace {

// Pairs of (capital, small) outside the ranges handled by rule below.
constexpr char16_t kCasePairs[][2] = {
    {0x0102, 0x0103}, {0x0110, 0x0111}, {0x0128, 0x0129}, {0x0168, 0x0169},
    {0x01A0, 0x01A1}, {0x01AF, 0x01B0},
};

bool IsLatin1Capital(char16_t c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7; }
bool IsLatin1Small(char16_t c) { return c >= 0xE0 && c <= 0xFE && c != 0xF7; }
// Latin Extended Additional: capitals on even, small letters on odd code points.
bool InVietnameseBlock(char16_t c) { return c >= 0x1EA0 && c <= 0x1EF9; }

}  // namespace

char16_t LowerChar(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (IsLatin1Capital(c)) return static_cast<char16_t>(c + 32);
    if (InVietnameseBlock(c)) return static_cast<char16_t>(c | 1);
    for (const auto& pair : kCasePairs)
        if (pair[0] == c) return pair[1];
    return c;
}

char16_t UpperChar(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if (IsLatin1Small(c)) return static_cast<char16_t>(c - 32);
    if (InVietnameseBlock(c)) return static_cast<char16_t>(c & ~char16_t{1});
    for (const auto& pair : kCasePairs)
        if (pair[1] == c) return pair[0];
    return c;
}

std::u16string LCase(std::u16string_view s) {
    std::u16string out(s);
    std::transform(out.begin(), out.end(), out.begin(), LowerChar);
    return out;
}

std::u16string UCase(std::u16string_view s) {
    std::u16string out(s);
    std::transform(out.begin(), out.end(), out.begin(), UpperChar);
    return out;
}

std::u16string Trim(std::u16string_view s) {
    const auto first = s.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = s.find_last_not_of(u' ');
    return std::u16string(s.substr(first, last - first + 1));
}

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

}  // namespace

std::int32_t HexValue(std::u16string_view digits) {
    std::uint32_t value = 0;
    int count = 0;
    for (char16_t c : digits) {
        if (IsBlank(c)) continue;
        const int d = HexDigit(c);
        if (d < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(d);
        ++count;
    }
    if (count <= 4) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(value);
}

double DecimalValue(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    double sign = 1;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        if (s[i] == u'-') sign = -1;
        ++i;
    }
    double value = 0;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) value = value * 10 + (s[i] - u'0');
    if (i < s.size() && s[i] == u'.') {
        double scale = 0.1;
        for (++i; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i, scale /= 10)
            value += (s[i] - u'0') * scale;
    }
    return sign * value;
}

std::optional<double> ExactDecimalValue(std::u16string_view s) {
    const std::string digits = U16ToUtf8(Trim(s));
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::u16string DecimalText(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string UpperHexText(std::uint32_t value) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string hex;
    do {
        hex.insert(hex.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value > 0);
    return hex;
}

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at `i`; advances `i`; answers U+FFFD for a
// malformed, overlong or surrogate sequence (consuming one byte).
char32_t DecodeUtf8At(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) { ++i; return lead; }
    if (lead >= 0xC2 && lead <= 0xDF) { extra = 1; cp = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { extra = 2; cp = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { extra = 3; cp = lead & 0x07; }
    else { ++i; return kReplacement; }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) { ++i; return kReplacement; }
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kReplacement;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

}  // namespace

std::u16string CodePointText(std::int32_t codePoint) {
    if (codePoint < 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
    std::u16string text;
    AppendUtf16(text, static_cast<char32_t>(codePoint));
    return text;
}

std::u16string Utf8ToU16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) AppendUtf16(out, DecodeUtf8At(utf8, i));
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t before = i;
        const char32_t cp = DecodeUtf8At(bytes, i);
        // A real U+FFFD takes three bytes; a replacement for bad input takes one.
        if (cp == kReplacement && i - before == 1) return false;
    }
    return true;
}

Utf8Census CountUtf8(std::string_view bytes) {
    Utf8Census census;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t before = i;
        const char32_t cp = DecodeUtf8At(bytes, i);
        if (cp == kReplacement && i - before == 1) ++census.invalid;
        else if (i - before > 1) ++census.multibyte;
    }
    return census;
}

std::string U16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::u16string FromBytes(std::string_view bytes) {
    std::u16string out(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), out.begin(),
                   [](char b) { return static_cast<char16_t>(static_cast<unsigned char>(b)); });
    return out;
}

std::string ToBytes(std::u16string_view text) {
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char16_t c) { return static_cast<char>(c & 0xFF); });
    return out;
}

}  // namespace orvik
