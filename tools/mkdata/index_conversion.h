// The inputs of the index conversion: ncangjie.dxx (the Nôm CangJie index in
// four-digit fields, each supplementary character written as a private-use
// code point) and machuan.txt (the map from those private-use code points,
// "/" + decimal + ":" + decimal real code point, closed by "/").
#pragma once

#include <string>

namespace orvik::mkdata {

struct ConversionInputs {
    std::string dxx;
    std::string machuan;
};

// From the bytes of NCangJie.idx; throws when there are more supplementary
// characters than private-use code points (U+E000-U+F8FF).
ConversionInputs MakeConversionInputs(const std::string& nomIndex);

// The conversion as the program runs it, used to check the inputs: every
// field of four digits is looked up in the map and written back in the Nôm
// layout; the directory line is kept.
std::string ConvertIndex(const ConversionInputs& inputs);

}  // namespace orvik::mkdata
