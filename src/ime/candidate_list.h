// The candidates a typed code found: the fields of its candidate line, cut
// into pages of ten numeric character references, and the page shown.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "ime/index_layout.h"
#include "lookup/code_tables.h"

namespace orvik {

inline constexpr int kCandSlots = 101;  // candidates 0 to 100 of one list
inline constexpr int kPageSlots = 11;   // pages of ten, 0 to 10

class CandidateList {
public:
    // Fills the list from `line` (at most 101 fields; the rest is ignored),
    // puts the end mark on the last page and shows the first. With
    // `variants`, candidates listed as variant keys are coloured.
    void Build(std::u16string_view line, Layout layout, const VariantTable* variants);
    void Clear();

    // No list at all: a list that found nothing still has its end mark.
    bool Empty() const { return pages_[0].empty(); }
    const std::u16string& ShownPage() const { return pages_[static_cast<std::size_t>(shown_)]; }
    int ShownPageNumber() const { return shown_; }
    int LastPageNumber() const { return last_; }

    // Moves the page shown by `step`; a move past either end stays at that
    // end and answers false, since the page shown does not change.
    bool Turn(int step);

    // The field at `position` (0 to 9) of the page shown; empty past the
    // 101 candidates of a list.
    std::u16string FieldOnShownPage(int position) const;
    // The field of candidate `index` of the whole list; empty past its end.
    std::u16string Field(int index) const;

private:
    std::array<std::u16string, kCandSlots> fields_;
    std::array<std::u16string, kPageSlots> pages_;
    int shown_ = 0;
    int last_ = 0;
};

// The position on a page that a digit key picks: 1 to 9 pick 0 to 8, 0
// picks 9.
constexpr int PositionOfDigit(int digit) { return digit == 0 ? 9 : digit - 1; }

}  // namespace orvik
