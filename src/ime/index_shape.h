// What is wrong with the shape of an index file, said once when it is
// loaded: a file without its directory line (empty, cut short, or with CR
// alone ending its lines) offers nothing to type, and a candidate line with
// characters that are no hexadecimal digits gives wrong characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

// The first problem of the file's lines, as a message naming the file and,
// for a candidate line, its line number (from 1); none when the shape is
// right.
std::optional<std::u16string> IndexShapeProblem(std::u16string_view fileName, const std::vector<std::u16string>& lines);

}  // namespace orvik
