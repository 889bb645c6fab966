// How far the readings reach: running text (kHanyuPinlu counts) written in
// traditional and in simplified characters, the Big5 characters typeable by
// Telex and the common Big5 characters (kFrequency 1-3), each counted with
// own readings, with readings inherited from variants, and with predicted
// readings added.
#pragma once

#include <cstddef>

#include "characters.h"

namespace orvik::mkdata {

// Three cumulative figures: own readings; + inherited; + predicted.
struct Layers {
    double own = 0, inherited = 0, predicted = 0;
};

struct ReadingCoverage {
    Layers traditionalText, simplifiedText;  // shares of running text
    std::size_t big5 = 0;
    Layers big5Typeable;                     // Big5 characters with a Telex key
    std::size_t commonBig5 = 0;              // Big5 characters of kFrequency 1-3
    Layers commonBig5Read;
    Layers commonBig5Typeable;
};

ReadingCoverage MeasureCoverage(const Characters& chars);

}  // namespace orvik::mkdata
