#include "clipboard_input.h"

#include <fstream>
#include <istream>
#include <ostream>

namespace orvik::cli {

namespace {

std::string ReadAtMost(std::istream& in, std::size_t limit) {
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

std::optional<std::string> ReadClipboardInput(const std::string& input, std::istream& in, std::size_t limit,
                                              std::ostream& err) {
    if (input == "-") return ReadAtMost(in, limit);
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        err << "orvik: cannot read " << input << '\n';
        return std::nullopt;
    }
    return ReadAtMost(file, limit);
}

}  // namespace orvik::cli
