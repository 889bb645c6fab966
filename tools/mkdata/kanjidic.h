// KANJIDIC2 (Debian's kanjidic-xml): the Vietnamese readings it gives each
// character, Sino-Vietnamese first, as EDRDG's dictionary lists them.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::mkdata {

// Each character's `<reading r_type="vietnam">` values in file order,
// lower case, their tone marks placed as the reading tables place them
// ("Thủy" -> "thuỷ"); a value that is no single syllable (a few name
// several words) is left out. A BuildError when the text holds no reading.
std::map<char32_t, std::vector<std::string>> KanjidicVietnamese(std::string_view xml);

}  // namespace orvik::mkdata
