// The input of the commands that work on a copied selection: a file, or
// standard input for "-", read up to a limit, since the desktop too reads
// no more of the clipboard than that.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

namespace orvik::cli {

// The first `limit` bytes of `input`; nothing, with the reason on `err`,
// when the file cannot be read.
std::optional<std::string> ReadClipboardInput(const std::string& input, std::istream& in, std::size_t limit,
                                              std::ostream& err);

}  // namespace orvik::cli
