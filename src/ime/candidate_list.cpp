#include "ime/candidate_list.h"

#include <algorithm>

#include "engine/text.h"
#include "ime/candidate_search.h"
#include "ime/send_texts.h"

namespace orvik {

namespace {

bool OnlySpaces(std::u16string_view line) {
    return line.find_first_not_of(u' ') == std::u16string_view::npos;
}

std::u16string CandidateItem(std::int32_t codePoint, int position, const VariantTable* variants) {
    std::u16string item = (position == 0 ? u"&#" : u".&#") + DecimalText(codePoint) + u";";
    // A character listed as a variant key has its page under another one.
    if (variants && ListedAsVariantKey(*variants, codePoint))
        item = u"<FONT color=\"#0066AA\">" + item + u"</FONT>";
    return item;
}

}  // namespace

void CandidateList::Clear() {
    for (auto& field : fields_) field.clear();
    for (auto& page : pages_) page.clear();
}

void CandidateList::Build(std::u16string_view line, Layout layout, const VariantTable* variants) {
    Clear();
    const std::size_t width = static_cast<std::size_t>(FieldWidth(layout));
    int i = 0;
    if (!OnlySpaces(line)) {
        for (std::size_t at = 0; at < line.size() && i < kCandSlots; at += width, ++i) {
            std::u16string field(line.substr(at, width));
            if (layout == Layout::Nom) std::erase(field, u' ');
            pages_[static_cast<std::size_t>(i / 10)] += CandidateItem(FieldCodePoint(field), i % 10, variants);
            fields_[static_cast<std::size_t>(i)] = std::move(field);
        }
    }
    last_ = i / 10;
    pages_[static_cast<std::size_t>(last_)] += u" ! End";
    shown_ = 0;
}

bool CandidateList::Turn(int step) {
    const int page = shown_ + step;
    shown_ = std::clamp(page, 0, last_);
    return shown_ == page;
}

std::u16string CandidateList::FieldOnShownPage(int position) const { return Field(shown_ * 10 + position); }

std::u16string CandidateList::Field(int index) const {
    if (index < 0 || index >= kCandSlots) return {};
    return fields_[static_cast<std::size_t>(index)];
}

}  // namespace orvik
