#include "ime/index_conversion.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "engine/text.h"
#include "ime/index_shape.h"
#include "ime/module1.h"

namespace orvik {

namespace {

using CodeMap = std::unordered_map<std::int32_t, std::int32_t>;

// A field of ncangjie.dxx reads at most 65535 (five decimal digits); a
// target must give a field of the Nôm layout, four or five hexadecimal
// digits, within the six characters the map gives it.
constexpr std::size_t kLongestKey = 5;
constexpr std::size_t kLongestTarget = 6;
constexpr std::int32_t kSmallestTarget = 0x1000;
constexpr std::size_t kFieldWidth = 4;

std::u16string Number(std::size_t n) { return DecimalText(static_cast<std::int64_t>(n)); }

// The run of decimal digits at `at`, at most `longest` of them; none when
// there is no digit or the run is longer.
std::optional<std::int32_t> Digits(std::u16string_view text, std::size_t& at, std::size_t longest) {
    const std::size_t start = at;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9') ++at;
    if (at == start || at - start > longest) return std::nullopt;
    return static_cast<std::int32_t>(DecimalValue(text.substr(start, at - start)));
}

bool Takes(std::u16string_view text, std::size_t& at, char16_t c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// One entry after its leading "/": key ":" target "/". The first entry of a
// key is the one that counts, as the search of the map text finds it first.
bool ReadEntry(std::u16string_view map, std::size_t& at, CodeMap& codes) {
    const auto key = Digits(map, at, kLongestKey);
    if (!key || !Takes(map, at, u':')) return false;
    const auto target = Digits(map, at, kLongestTarget);
    if (!target || *target < kSmallestTarget || !Takes(map, at, u'/')) return false;
    codes.emplace(*key, *target);
    return true;
}

std::optional<std::u16string> ReadMap(std::u16string_view map, CodeMap& codes) {
    const std::u16string where = u"Tệp " + std::u16string(kConversionMapFile) + u", dòng 1";
    if (map.empty()) return where + u": trống, không có bảng đổi mã.";
    if (map.front() != u'/') return where + u": phải bắt đầu bằng \"/\".";
    for (std::size_t at = 1; at < map.size();) {
        const std::size_t entry = at;
        if (!ReadEntry(map, at, codes))
            return where + u", ký tự thứ " + Number(entry + 1) +
                   u": mục không đúng dạng (mã thập phân 1 đến 5 chữ số, \":\", mã chữ thập phân từ 4096 đến 999999, "
                   u"\"/\").";
    }
    return std::nullopt;
}

bool IsDirectoryLine(const std::u16string& line) { return !line.empty() && line.front() == u'!'; }

// The table holds the candidate lines and the directory line; the
// conversion writes line k for the k-th directory entry.
std::optional<std::u16string> LayoutProblem(const std::vector<std::u16string>& lines, std::size_t candidates) {
    const std::u16string file(kConversionInputFile);
    if (candidates + 1 > static_cast<std::size_t>(kIndexSlots))
        return u"Tệp " + file + u" có " + Number(candidates) + u" dòng chữ trước dòng mục lục, quá " +
               Number(kIndexSlots - 1) + u" dòng của bảng chỉ mục.";
    const auto entries = static_cast<std::size_t>(std::count(lines[candidates].begin(), lines[candidates].end(), u' '));
    if (entries != candidates)
        return u"Tệp " + file + u", dòng " + Number(candidates + 1) + u" (dòng mục lục): có " + Number(entries) +
               u" mục cho " + Number(candidates) + u" dòng chữ; mỗi dòng chữ phải có đúng một mục.";
    return std::nullopt;
}

// A field found in the map becomes its character's code, in upper-case
// hexadecimal; any other keeps its four characters. Four-digit codes are
// padded with a space to the Nôm field width.
std::u16string ConvertField(std::u16string_view field, const CodeMap& codes) {
    std::int32_t value = HexValue(field);
    if (value < 0) value += 65536;
    const auto found = codes.find(value);
    std::u16string code = found == codes.end() ? std::u16string(field)
                                               : UpperHexText(static_cast<std::uint32_t>(found->second));
    if (code.size() == kFieldWidth) code += u' ';
    return code;
}

std::u16string ConvertLine(std::u16string_view line, const CodeMap& codes) {
    std::u16string out;
    for (std::size_t at = 0; at < line.size(); at += kFieldWidth) out += ConvertField(line.substr(at, kFieldWidth), codes);
    return out;
}

IndexConversion Refused(std::u16string problem) { return {{}, std::move(problem)}; }

}  // namespace

IndexConversion ConvertIndex(std::u16string_view mapText, const std::vector<std::u16string>& dxxLines) {
    CodeMap codes;
    if (auto problem = ReadMap(mapText, codes)) return Refused(std::move(*problem));
    if (auto problem = IndexShapeProblem(kConversionInputFile, dxxLines, Layout::Han)) return Refused(std::move(*problem));
    const auto candidates =
        static_cast<std::size_t>(std::find_if(dxxLines.begin(), dxxLines.end(), IsDirectoryLine) - dxxLines.begin());
    if (auto problem = LayoutProblem(dxxLines, candidates)) return Refused(std::move(*problem));
    IndexConversion out;
    for (std::size_t k = 0; k < candidates; ++k) out.lines.push_back(ConvertLine(dxxLines[k], codes));
    out.lines.push_back(dxxLines[candidates]);
    return out;
}

std::string IndexFileBytes(const std::vector<std::u16string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += ToBytes(line) + "\r\n";
    return bytes;
}

}  // namespace orvik
