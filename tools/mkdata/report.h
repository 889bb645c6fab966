// The coverage report: what each data file reaches of its sources.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "characters.h"
#include "mode_index.h"

namespace orvik::mkdata {

struct Report {
    std::vector<IndexCoverage> indexes;
    std::map<std::string, std::size_t> pages;      // dictionary -> pages
    std::size_t clips = 0;
    std::map<std::string, std::uintmax_t> sizes;   // file -> bytes
    double readingTextShare = 0;                   // share of running text with a reading
    double seconds = 0;
};

// Share of Mandarin running text (kHanyuPinlu counts) whose characters have
// a Vietnamese reading.
double ReadingTextShare(const Characters& chars);

void PrintReport(std::ostream& out, const Report& report);

}  // namespace orvik::mkdata
