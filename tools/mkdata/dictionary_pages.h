// The pages of the three dictionaries and of the user guide.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "characters.h"
#include "chm_compiler.h"
#include "syllables.h"

namespace orvik::mkdata {

// hvtdu: html/hv<decimal>.htm per Big5 character, html/khoidong.htm, html/tongmuc.htm.
ChmProject HanDictionary(const Characters& chars, const std::filesystem::path& textDir);
// nomtdu: n<decimal>.htm per Nôm character, vanhoc/vantho.htm, Chidannhanh.htm.
ChmProject NomDictionary(const Characters& chars, const std::filesystem::path& textDir);
// tdviet: v<key>.htm per syllable page key.
ChmProject VietDictionary(const Characters& chars, const std::map<std::string, std::vector<const Syllable*>>& pages);
// orvhelp: every page of text/orvhelp, starting at index.htm.
ChmProject UserGuide(const std::filesystem::path& textDir);

// The readings of a classical text, one line of characters per line, each
// character read by its first reading, or by its prediction, marked, where
// the transcription shows predictions ("?" when it has none).
std::string ReadingsOf(const Characters& chars, const std::u32string& line);

}  // namespace orvik::mkdata
