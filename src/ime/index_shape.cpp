#include "ime/index_shape.h"

#include <algorithm>

#include "engine/text.h"

namespace orvik {

namespace {

// Fields are hexadecimal digits; Nom fields may be padded with a space.
bool IsFieldCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F') || c == u' ';
}

bool IsDirectoryLine(const std::u16string& line) { return !line.empty() && line.front() == u'!'; }

}  // namespace

std::optional<std::u16string> IndexShapeProblem(std::u16string_view fileName,
                                                const std::vector<std::u16string>& lines) {
    const std::u16string file(fileName);
    const auto directory = std::find_if(lines.begin(), lines.end(), IsDirectoryLine);
    if (directory == lines.end()) {
        const bool crOnly = std::any_of(lines.begin(), lines.end(),
                                        [](const std::u16string& line) { return line.find(u'\r') != line.npos; });
        if (crOnly) return u"Tệp " + file + u" xuống dòng bằng CR: không đọc được dòng mục lục, không có chữ nào để chọn.";
        return u"Tệp " + file + u" không có dòng mục lục (dòng bắt đầu bằng \"!\"): không có chữ nào để chọn.";
    }
    for (auto line = lines.begin(); line != directory; ++line) {
        if (std::all_of(line->begin(), line->end(), IsFieldCharacter)) continue;
        const auto number = static_cast<std::int64_t>(line - lines.begin()) + 1;
        return u"Tệp " + file + u", dòng " + DecimalText(number) + u": có ký tự không phải số thập lục phân.";
    }
    return std::nullopt;
}

}  // namespace orvik
