#include "lookup/code_table_shape.h"

#include <cstdint>
#include <string_view>

#include "engine/text.h"

namespace orvik {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsLowerHexDigit(char16_t c) { return IsDigit(c) || (c >= u'a' && c <= u'f'); }

std::size_t CountWhile(std::u16string_view text, std::size_t at, bool (*accepts)(char16_t)) {
    std::size_t n = 0;
    while (at + n < text.size() && accepts(text[at + n])) ++n;
    return n;
}

// The length of the entry starting at `at`, or 0 when it is out of shape.
// Each entry ends with its "/".
using EntryReader = std::size_t (*)(std::u16string_view line, std::size_t at);

// Four lower-case hex digits of a Big5 code, then a code point of one to
// five digits. The line's leading "/" is the first entry's separator.
std::size_t Big5Entry(std::u16string_view line, std::size_t at) {
    if (CountWhile(line, at, IsLowerHexDigit) < 4) return 0;
    const std::size_t digits = CountWhile(line, at + 4, IsDigit);
    if (digits < 1 || digits > 5 || at + 4 + digits >= line.size() || line[at + 4 + digits] != u'/') return 0;
    return 4 + digits + 1;
}

// A five-digit target, then a five-digit key.
std::size_t VariantEntry(std::u16string_view line, std::size_t at) {
    if (CountWhile(line, at, IsDigit) != 10 || at + 10 >= line.size() || line[at + 10] != u'/') return 0;
    return 11;
}

std::size_t NomEntry(std::u16string_view line, std::size_t at) {
    const std::size_t digits = CountWhile(line, at, IsDigit);
    if (digits < 1 || digits > 7 || at + digits >= line.size() || line[at + digits] != u'/') return 0;
    return digits + 1;
}

struct LineForm {
    bool leadingSlash;  // the line opens with the first entry's "/"
    EntryReader entry;
    std::u16string_view shape;
};

std::optional<std::u16string> LineProblem(std::u16string_view line, int number, const LineForm& form) {
    const std::u16string where = u"Tệp big5uni.idx, dòng " + DecimalText(number);
    if (line.empty()) return where + u" trống: không tra được chữ nào theo dòng này.";
    const auto outOfShape = [&](std::size_t at) {
        return where + u", ký tự thứ " + DecimalText(static_cast<std::int64_t>(at) + 1) + u": không đúng dạng " +
               std::u16string(form.shape) + u".";
    };
    if (form.leadingSlash && line.front() != u'/') return outOfShape(0);
    for (std::size_t at = form.leadingSlash ? 1 : 0; at < line.size();) {
        const std::size_t length = form.entry(line, at);
        if (length == 0) return outOfShape(at);
        at += length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> CodeTableShapeProblem(const LookupLines& lines) {
    static constexpr LineForm kForms[] = {
        {true, Big5Entry, u"\"/\" + mã Big5 (bốn chữ số thập lục phân thường) + mã chữ thập phân + \"/\""},
        {false, VariantEntry, u"mã chữ đích năm chữ số + mã chữ năm chữ số + \"/\""},
        {false, NomEntry, u"mã chữ thập phân + \"/\""},
    };
    const std::u16string_view texts[] = {lines.Big5Line, lines.VariantLine, lines.NomLine};
    for (int i = 0; i < 3; ++i)
        if (auto problem = LineProblem(texts[i], i + 1, kForms[i])) return problem;
    return std::nullopt;
}

}  // namespace orvik
