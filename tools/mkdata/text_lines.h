// Walking a text line by line, for the sources and the project's own texts.
#pragma once

#include <string_view>

namespace orvik::mkdata {

// Calls `visit` with each line of `text`, without its LF or CR LF ending;
// an empty tail after the last ending is no line.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        visit(line);
    }
}

}  // namespace orvik::mkdata
