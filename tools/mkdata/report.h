// The coverage report: what each data file reaches of its sources, how well
// the reading predictor does on characters held out of its training, and
// where its readings ship.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "characters.h"
#include "held_out.h"
#include "mode_index.h"
#include "predicted_readings.h"
#include "reading_coverage.h"

namespace orvik::mkdata {

struct Report {
    std::vector<IndexCoverage> indexes;
    std::map<std::string, std::size_t> pages;      // dictionary -> pages
    std::size_t clips = 0;
    std::map<std::string, std::uintmax_t> sizes;   // file -> bytes
    HeldOutAccuracy heldOut;
    PredictionGates gates;
    std::size_t predicted = 0;                     // characters given a prediction
    std::vector<std::string> examples;             // predictions of common characters
    ReadingCoverage coverage;
    std::size_t big5Symbols = 0;                   // Big5 codes from the charmap
    double seconds = 0;
};

void PrintReport(std::ostream& out, const Report& report);

}  // namespace orvik::mkdata
