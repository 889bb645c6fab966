// The project's own texts that become data files.
#pragma once

#include <string>

namespace orvik::mkdata {

// The correction list, checked: every line a pair "from/to" with a non-empty
// "from", ended by CR LF (the transcription stops at the first bad line).
std::string CorrectionList(std::string_view text);

}  // namespace orvik::mkdata
