// The candidate search of the typing session: a typed code is found in the
// directory line of the loaded index, which gives its candidate line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ime/index_layout.h"
#include "ime/module1.h"

namespace orvik {

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

// The number of fields the line holds, as the found count says it.
int FoundCount(std::u16string_view line, Layout layout);

}  // namespace orvik
