// The look-up of a copied selection: the first character of its RTF text
// that has a dictionary page, found through the text's Unicode escapes or,
// for older editors, its Big5 byte escapes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/character_page.h"
#include "lookup/shared_lines.h"

namespace orvik {

// At most this many escapes of each kind are read: the letters of a Latin
// text come first, and a long selection is not searched to its end.
inline constexpr int kMaxScannedEscapes = 1500;

// The page of the first character among the Unicode escapes (a surrogate
// pair read as one character) that has one in the checked mode
// (`CharacterPage`); when none has, the same among the Big5 escapes, read
// through `lines.Big5Line`. Punctuation, symbols, letters and ideographs
// without a page are passed over, so 「南」 opens the page of 南. Nothing
// when no character has a page.
std::optional<std::u16string> SelectionPage(std::u16string_view rtf, ModeScripts scripts, const LookupLines& lines);

}  // namespace orvik
