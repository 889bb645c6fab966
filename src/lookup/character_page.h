// The dictionary page a look-up of one character opens, chosen by the
// checked input mode among the pages the dictionaries hold, so that no
// look-up names a page that does not exist.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "lookup/shared_lines.h"

namespace orvik {

// Which dictionaries the checked input mode looks in.
struct ModeScripts {
    bool han = false;  // a Han mode is checked
    bool nom = false;  // a Nom mode is checked
    bool Any() const { return han || nom; }
};

// The page of `codePoint`. The Han page is that of its variant target when
// it has one, else its own; the Nom page its own. A Han mode takes the Han
// page and falls back to the Nom page, a Nom mode (which wins) the other way
// round. Nothing when no mode is checked or neither dictionary has a page
// for the character (a symbol, or an ideograph neither describes).
std::optional<std::u16string> CharacterPage(std::int32_t codePoint, ModeScripts scripts, const LookupLines& lines);

}  // namespace orvik
