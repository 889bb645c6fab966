#include "ime/candidate_search.h"

#include "engine/text.h"
#include "lookup/code_tables.h"

namespace orvik {

namespace {

constexpr int kEntryWindow = 16;  // line number, "!", key of up to 12, end space

bool OnlySpaces(std::u16string_view line) {
    return line.find_first_not_of(u' ') == std::u16string_view::npos;
}

std::u16string CandidateItem(const Module1& module, std::int32_t codePoint, int position, bool highlight) {
    const std::u16string digits = DecimalText(codePoint);
    std::u16string item = (position == 0 ? u"&#" : u".&#") + digits + u";";
    // A character listed as a variant key has its page under another one.
    if (highlight && ListedAsVariantKey(module.VariantLine, codePoint))
        item = u"<FONT color=\"#0066AA\">" + item + u"</FONT>";
    return item;
}

}  // namespace

bool ListedAsVariantKey(const VariantTable& variants, std::int32_t codePoint) {
    return variants.KeyPosition(codePoint) > 0;
}

std::int32_t CandidateCodePoint(std::u16string_view field) {
    const std::int32_t value = HexValue(field);
    return value < 0 ? value + 65536 : value;
}

CandidateLine FindCandidateLine(const Module1& module, std::u16string_view code) {
    if (code.empty() || code.front() < 32) return {CandidateLine::Ignored, {}};
    const int pos = FindInLongText(module.DirectoryLine, u"!" + LCase(code) + u" ");
    if (pos < 3) return {CandidateLine::NotFound, {}};
    const std::u16string window = Mid(module.DirectoryLine, pos - 2, kEntryWindow);
    const int space = Find(window, u" ");
    const int n = DecodeLineNumber(window);
    if (space < 4 || n < 0 || n >= kIndexSlots) return {CandidateLine::NotFound, {}};
    if (Mid(window, 4, space - 4) != code) return {CandidateLine::NotFound, {}};
    return {CandidateLine::Found, module.IndexLines[static_cast<std::size_t>(n)]};
}

void ClearCandidates(Module1& module) {
    for (auto& code : module.CandCodes) code.clear();
    for (auto& page : module.CandPages) page.clear();
}

void BuildCandidatePages(Module1& module, std::u16string_view line, Layout layout, bool highlight) {
    ClearCandidates(module);
    const std::size_t width = static_cast<std::size_t>(FieldWidth(layout));
    int i = 0;
    if (!OnlySpaces(line)) {
        for (std::size_t at = 0; at < line.size() && i < kCandSlots; at += width, ++i) {
            std::u16string field(line.substr(at, width));
            if (layout == Layout::Nom) std::erase(field, u' ');
            module.ItemText = CandidateItem(module, CandidateCodePoint(field), i % 10, highlight);
            module.CandCodes[static_cast<std::size_t>(i)] = std::move(field);
            module.CandPages[static_cast<std::size_t>(i / 10)] += module.ItemText;
        }
    }
    module.LastPage = static_cast<std::int16_t>(i / 10);
    module.CandPages[static_cast<std::size_t>(module.LastPage)] += u" ! End";
    module.CurPage = 0;
}

int FoundCount(std::u16string_view line, Layout layout) {
    return static_cast<int>(line.size()) / FieldWidth(layout);
}

bool TurnCandidatePage(Module1& module, int step) {
    const int page = module.CurPage + step;
    if (page > module.LastPage) {
        module.CurPage = module.LastPage;
        return false;
    }
    if (page < 0) {
        module.CurPage = 0;
        return false;
    }
    module.CurPage = static_cast<std::int16_t>(page);
    return true;
}

}  // namespace orvik
