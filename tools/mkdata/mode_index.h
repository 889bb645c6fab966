// Turning "which keys lead to which characters" into an index file of an
// input mode, with the figures of the coverage report.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "index_writer.h"

namespace orvik::mkdata {

struct KeyedCharacters {
    std::map<std::string, std::set<char32_t>> byCode;  // typed code -> characters
    std::map<char32_t, std::string> unkeyed;           // character -> why it has no code
};

struct IndexCoverage {
    std::string file;
    std::size_t sourceSize = 0;
    std::size_t reachable = 0;
    std::map<std::string, std::size_t> lost;  // reason -> characters
    std::size_t typedCodes = 0;
    std::size_t keys = 0;                     // directory entries
    std::size_t mergedKeys = 0;               // keys that two or more typed codes share
    int linesUsed = 0;                        // candidate lines + directory line
    std::size_t longestLine = 0;              // characters
    std::size_t listed = 0;                   // characters on all lines together
};

struct BuiltIndex {
    std::string bytes;
    IndexCoverage coverage;
};

// Puts the characters of a key in the order they are offered.
using CandidateOrder = std::function<std::vector<char32_t>(const std::string& key, const std::set<char32_t>&)>;

// Every typed code is written under its directory key (IndexKeyOf), so that
// both windows find it; codes with one key share its line, the union of
// their characters. Keys in code order, one line each; a line keeps its
// first 101 characters.
BuiltIndex BuildModeIndex(const std::string& fileName, Layout layout, const std::vector<char32_t>& sourceSet,
                          const KeyedCharacters& keyed, const CandidateOrder& order);

}  // namespace orvik::mkdata
