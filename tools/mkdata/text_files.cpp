#include "text_files.h"

#include "build_error.h"
#include "text_lines.h"

namespace orvik::mkdata {

std::string CorrectionList(std::string_view text) {
    std::string out;
    int number = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (line.empty()) return;
        const std::size_t slash = line.find('/');
        if (slash == std::string_view::npos || slash == 0)
            throw BuildError("Tonaro.txt line " + std::to_string(number) + " is no pair from/to: '" +
                             std::string(line) + "'");
        out += std::string(line) + "\r\n";
    });
    return out;
}

}  // namespace orvik::mkdata
