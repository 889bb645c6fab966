// The candidate search shared by the candidate window and the main window:
// a typed code is found in the directory line of the loaded index, and its
// candidate line is cut into pages of ten numeric character references.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ime/index_layout.h"
#include "ime/module1.h"

namespace orvik {

// The code point of a candidate field; four hex digits read as a signed
// 16-bit number are corrected by 65536.
std::int32_t CandidateCodePoint(std::u16string_view field);

struct CandidateLine {
    enum Kind {
        Ignored,   // no code, or one starting with a control character
        NotFound,  // not in the directory line
        Found,
    } kind;
    std::u16string line;
};

// Looks the code up as "!" + lower case of code + " " in DirectoryLine and
// compares the entry's key with the code as given. An entry whose line number
// lies outside the slots, or whose end space lies outside its 16-character
// window, is not found.
CandidateLine FindCandidateLine(const Module1& module, std::u16string_view code);

// Whether a Han candidate is coloured: it is the key of an entry of
// VariantLine.
bool ListedAsVariantKey(const VariantTable& variants, std::int32_t codePoint);

void ClearCandidates(Module1& module);

// Fills CandCodes and CandPages from `line` (at most 101 fields; the rest is
// ignored), puts the end mark on LastPage and sets CurPage to 0. With
// `highlight`, candidates listed in VariantLine are coloured.
void BuildCandidatePages(Module1& module, std::u16string_view line, Layout layout, bool highlight);

// The number of fields the line holds, as the found count says it.
int FoundCount(std::u16string_view line, Layout layout);

// Moves CurPage by `step`; a move past either end stays at that end and
// answers false, since the page shown does not change.
bool TurnCandidatePage(Module1& module, int step);

}  // namespace orvik
