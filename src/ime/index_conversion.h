// The conversion of the Nôm CangJie index ncangjie.dxx into ncangjie.udx.
// ncangjie.dxx is the index with four-digit fields, each supplementary
// character written as a private-use code point; the first line of
// machuan.txt maps those code points back to the characters ("/" + decimal
// private code + ":" + decimal code point, ..., closed by "/"). The output
// has the Nôm layout: four hexadecimal digits and a space, or five digits.
// The main window's Label1 runs it; the data builder runs it to check the two
// files it writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvik {

inline constexpr std::u16string_view kConversionMapFile = u"machuan.txt";
inline constexpr std::u16string_view kConversionInputFile = u"ncangjie.dxx";
inline constexpr std::u16string_view kConversionOutputFile = u"ncangjie.udx";

struct IndexConversion {
    // The lines of ncangjie.udx: line k converted for the k-th directory
    // entry, then the directory line as it was. Empty when there is a
    // problem.
    std::vector<std::u16string> lines;
    // What is wrong with the input, naming the file and the line (from 1).
    std::optional<std::u16string> problem;
};

// Converts the lines of ncangjie.dxx with `mapText`, the first line of
// machuan.txt. Input the conversion cannot take whole is refused before
// anything is converted: a map text out of its form, an index out of the
// shape of four-digit fields, with more lines than the index table holds, or
// with a directory whose entries are not one per candidate line.
IndexConversion ConvertIndex(std::u16string_view mapText, const std::vector<std::u16string>& dxxLines);

// The bytes of an index file: one byte per character, every line ended by
// CR LF.
std::string IndexFileBytes(const std::vector<std::u16string>& lines);

}  // namespace orvik
