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

// The bytes of ncangjie.udx as the program's conversion writes them from
// these inputs; throws with the conversion's message when it refuses them.
std::string ConvertedIndexBytes(const ConversionInputs& inputs);

}  // namespace orvik::mkdata
