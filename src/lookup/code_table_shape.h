// What is wrong with the three lines of big5uni.idx, said once when they are
// loaded: an empty, cut-short or garbled line makes every look-up on it
// answer "not listed" without a word, so the first entry out of shape is
// named with its line and position.
#pragma once

#include <optional>
#include <string>

#include "lookup/shared_lines.h"

namespace orvik {

std::optional<std::u16string> CodeTableShapeProblem(const LookupLines& lines);

}  // namespace orvik
