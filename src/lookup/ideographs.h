// The characters the Han and Nom dictionaries can have a page for: the
// ideographs Unihan describes, that is the CJK unified ideographs with their
// extensions and the compatibility ideographs. Big5 also codes punctuation,
// brackets, fullwidth forms, kana, 〇 and the Hangzhou numerals, which
// Big5Line lists beside the ideographs but no dictionary describes.
#pragma once

#include <cstdint>

namespace orvik {

constexpr bool IsIdeograph(std::int32_t codePoint) {
    return (codePoint >= 0x3400 && codePoint <= 0x4DBF)     // extension A
           || (codePoint >= 0x4E00 && codePoint <= 0x9FFF)  // unified ideographs
           || (codePoint >= 0xF900 && codePoint <= 0xFAFF)  // compatibility ideographs
           || (codePoint >= 0x20000 && codePoint <= 0x3FFFF);  // the supplementary ideographic planes
}

}  // namespace orvik
