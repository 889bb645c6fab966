// Transcription: the Han or Nom text of a copied selection, in its RTF form,
// becomes the Vietnamese readings of its characters, one reading per
// character, separated by spaces.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lookup/shared_lines.h"

namespace orvik {

// A longer clipboard RTF text is refused.
inline constexpr std::size_t kMaxTranscribedRtf = 192000;
inline constexpr std::u16string_view kSelectionTooLarge = u"Văn bản chọn quá lớn, chọn lại !";

using CorrectionPairs = std::vector<std::pair<std::u16string, std::u16string>>;

// The readings of the characters of `rtf`: its Unicode escapes, or, when
// those give nothing, its Big5 byte escapes. With the "Nom" button down a
// character's key is its hexadecimal code point instead of its Big5 code.
// The corrections are applied in order; "-" ends an output line.
std::u16string Transcribe(std::u16string_view rtf, const LookupLines& lines, bool nomButtonDown,
                          const CorrectionPairs& corrections);

}  // namespace orvik
