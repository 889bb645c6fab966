// The look-up of a copied selection: the first ideograph of its RTF text,
// found through the text's Unicode escapes or, for older editors, its Big5
// byte escapes, and the dictionary page that shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/shared_lines.h"

namespace orvik {

// Unicode escapes are read up to this many, and until one above
// kIdeographThreshold: the letters of a Latin text come first.
inline constexpr int kMaxScannedEscapes = 1500;
inline constexpr std::int32_t kIdeographThreshold = 10000;

// The code point the look-up shows: the first Unicode escape above the
// threshold (a surrogate pair read as one character); when the escapes give
// none, the character of the first Big5 escape, through `big5Line`. Nothing
// when neither finds a character.
std::optional<std::int32_t> SelectedCodePoint(std::u16string_view rtf, std::u16string_view big5Line);

// Which dictionaries the checked input mode looks in.
struct ModeScripts {
    bool han = false;  // a Han mode is checked
    bool nom = false;  // a Nom mode is checked
};

// The page of `codePoint`: in a Han mode the Han page of its variant target
// when it has one, the Nom page when the Han dictionary does not list it; in
// a Nom mode (which wins) the Nom page when the Nom dictionary lists it, the
// Han page otherwise. Empty when no mode is checked.
std::u16string SelectionPageAddress(std::int32_t codePoint, ModeScripts scripts, const LookupLines& lines);

}  // namespace orvik
