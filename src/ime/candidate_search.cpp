#include "ime/candidate_search.h"

#include "engine/text.h"
#include "lookup/code_tables.h"

namespace orvik {

namespace {

constexpr int kEntryWindow = 16;  // line number, "!", key of up to 12, end space

}  // namespace

bool ListedAsVariantKey(const VariantTable& variants, std::int32_t codePoint) {
    return variants.KeyPosition(codePoint) > 0;
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

int FoundCount(std::u16string_view line, Layout layout) {
    return static_cast<int>(line.size()) / FieldWidth(layout);
}

}  // namespace orvik
