// The plain text of an RTF text, for the clipboard's plain-text format beside
// its RTF: applications that take no RTF (text fields, terminals, browsers)
// paste this. Unicode escapes become their characters (a surrogate pair
// escaped as two units becomes one character), the replacement characters
// after them are skipped as "\uc" says, "\'hh" escapes and plain bytes are
// Latin-1 characters, and the font and colour tables are left out.
#pragma once

#include <string>
#include <string_view>

namespace orvik {

std::u16string RtfPlainText(std::u16string_view rtf);

}  // namespace orvik
