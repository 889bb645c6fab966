// Where a reading carries its tone mark. Vietnamese writes the open
// syllables oa, oe and uy two ways: the old style marks the first vowel
// (hòa, thủy), the new style, which Unihan and hunspell-vi use and so the
// reading tables, the second (hoà, thuỷ).
#pragma once

#include <string>

namespace orvik::mkdata {

// The lower-case reading with its mark moved to the new style's place;
// any other reading unchanged.
std::string NewStyleTone(const std::string& reading);

}  // namespace orvik::mkdata
