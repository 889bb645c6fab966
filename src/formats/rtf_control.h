// One control of RTF, read where a backslash stands: a control word ("\" +
// letters + an optional signed number + an optional space that ends it), a
// hex escape ("\'" + up to two hexadecimal digits) or a control symbol ("\"
// + one character). The readers of the clipboard's RTF share it.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace orvik {

struct RtfControl {
    std::size_t end = 0;          // just past the control
    std::u16string_view word;     // a control word's letters; empty otherwise
    std::optional<long> number;   // a control word's number, when it has one
};

// A number's digits beyond 10,000,000 are read but not added: no control
// RTF writes comes near it.
RtfControl ReadRtfControl(std::u16string_view rtf, std::size_t backslash);

}  // namespace orvik
