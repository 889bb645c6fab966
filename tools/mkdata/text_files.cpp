#include "text_files.h"

#include "build_error.h"

namespace orvik::mkdata {

std::string CorrectionList(std::string_view text) {
    std::string out;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        const std::size_t slash = line.find('/');
        if (slash == std::string_view::npos || slash == 0)
            throw BuildError("Tonaro.txt line " + std::to_string(number) + " is no pair from/to: '" +
                             std::string(line) + "'");
        out += std::string(line) + "\r\n";
    }
    return out;
}

}  // namespace orvik::mkdata
