// What is wrong with the shape of an index file, said once when it is
// loaded: a file without its directory line (empty, cut short, or with CR
// alone ending its lines) offers nothing to type; a candidate line with
// characters that are no hexadecimal digits, or cut off inside a field,
// gives wrong characters; a directory entry that is malformed or points past
// the candidate lines opens the wrong list or none.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/index_layout.h"

namespace orvik {

// The first problem of the file's lines, as a message naming the file and
// the line (from 1) where there is one; none when the shape is right.
std::optional<std::u16string> IndexShapeProblem(std::u16string_view fileName, const std::vector<std::u16string>& lines,
                                                Layout layout);

}  // namespace orvik
