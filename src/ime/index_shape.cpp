#include "ime/index_shape.h"

#include <algorithm>
#include <cstdint>

#include "engine/text.h"
#include "ime/module1.h"

namespace orvik {

namespace {

constexpr std::size_t kLongestKey = 12;

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Nom fields pad a four-digit code point with a space.
bool IsFieldCharacter(char16_t c, Layout layout) { return IsHexDigit(c) || (layout == Layout::Nom && c == u' '); }

bool IsDirectoryLine(const std::u16string& line) { return !line.empty() && line.front() == u'!'; }

std::u16string Number(std::size_t n) { return DecimalText(static_cast<std::int64_t>(n)); }

std::u16string AtLine(const std::u16string& file, std::size_t index) {
    return u"Tệp " + file + u", dòng " + Number(index + 1);
}

std::optional<std::u16string> MissingDirectoryLine(const std::u16string& file, const std::vector<std::u16string>& lines) {
    const bool crOnly = std::any_of(lines.begin(), lines.end(),
                                    [](const std::u16string& line) { return line.find(u'\r') != line.npos; });
    if (crOnly) return u"Tệp " + file + u" xuống dòng bằng CR: không đọc được dòng mục lục, không có chữ nào để chọn.";
    return u"Tệp " + file + u" không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn.";
}

std::optional<std::u16string> CandidateLineProblem(const std::u16string& file, std::size_t index,
                                                   std::u16string_view line, Layout layout) {
    if (!std::all_of(line.begin(), line.end(), [layout](char16_t c) { return IsFieldCharacter(c, layout); }))
        return AtLine(file, index) + u": có ký tự không phải số thập lục phân.";
    const auto width = static_cast<std::size_t>(FieldWidth(layout));
    if (line.size() % width != 0)
        return AtLine(file, index) + u": dài " + Number(line.size()) + u" ký tự, không chia hết thành các chữ " +
               Number(width) + u" ký tự.";
    return std::nullopt;
}

// Entries follow the leading "!": two line-number characters, "!", a key of
// 1 to 12 characters without "!" or space, one space.
std::optional<std::u16string> DirectoryProblem(const std::u16string& file, std::size_t index,
                                               std::u16string_view line) {
    const std::u16string where = AtLine(file, index) + u" (dòng mục lục)";
    for (std::size_t at = 1; at < line.size();) {
        const std::size_t space = line.find(u' ', at);
        const std::size_t keyStart = at + 3;
        const bool shaped = at + 2 < line.size() && line[at + 2] == u'!' && space != line.npos && space > keyStart &&
                            space - keyStart <= kLongestKey &&
                            line.substr(keyStart, space - keyStart).find(u'!') == std::u16string_view::npos;
        if (!shaped)
            return where + u", ký tự thứ " + Number(at + 1) +
                   u": mục không đúng dạng (hai ký tự số dòng, \"!\", mã 1 đến 12 ký tự, dấu cách).";
        const int target = DecodeLineNumber(line.substr(at, 2));
        if (target < 0 || static_cast<std::size_t>(target) >= index)
            return where + u": mã \"" + std::u16string(line.substr(keyStart, space - keyStart)) + u"\" chỉ đến dòng " +
                   DecimalText(std::int64_t{target} + 1) + u", nhưng tệp chỉ có " + Number(index) +
                   u" dòng chữ trước dòng mục lục.";
        at = space + 1;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::u16string> IndexShapeProblem(std::u16string_view fileName, const std::vector<std::u16string>& lines,
                                                Layout layout) {
    const std::u16string file(fileName);
    const auto directory = std::find_if(lines.begin(), lines.end(), IsDirectoryLine);
    if (directory == lines.end()) return MissingDirectoryLine(file, lines);
    const auto directoryIndex = static_cast<std::size_t>(directory - lines.begin());
    for (std::size_t i = 0; i < directoryIndex; ++i)
        if (auto problem = CandidateLineProblem(file, i, lines[i], layout)) return problem;
    return DirectoryProblem(file, directoryIndex, *directory);
}

}  // namespace orvik
