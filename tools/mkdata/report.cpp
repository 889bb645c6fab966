#include "report.h"

#include <iomanip>

namespace orvik::mkdata {

double ReadingTextShare(const Characters& chars) {
    double all = 0, read = 0;
    for (const auto& [cp, c] : chars.All()) {
        all += static_cast<double>(c.pinlu);
        if (!c.viet.empty()) read += static_cast<double>(c.pinlu);
    }
    return all == 0 ? 0 : read / all;
}

void PrintReport(std::ostream& out, const Report& report) {
    out << "Coverage\n";
    for (const auto& c : report.indexes) {
        out << "  " << std::left << std::setw(13) << c.file << " source " << c.sourceSize << ", reachable "
            << c.reachable << ", lines " << c.linesUsed << " of 9001, longest line " << c.longestLine << "\n";
        for (const auto& [why, count] : c.lost) out << "      lost " << count << ": " << why << "\n";
    }
    out << "  running text with a reading: " << std::fixed << std::setprecision(1)
        << 100 * report.readingTextShare << "% (kHanyuPinlu-weighted)\n";
    for (const auto& [dictionary, pages] : report.pages) out << "  " << dictionary << ": " << pages << " pages\n";
    out << "  clips: " << report.clips << "\n";
    out << "Files\n";
    for (const auto& [file, bytes] : report.sizes)
        out << "  " << std::left << std::setw(13) << file << std::right << std::setw(11) << bytes << " bytes\n";
    out << "Build time: " << std::setprecision(1) << report.seconds << " s\n";
}

}  // namespace orvik::mkdata
