// Checks a compiled help file (.chm) before chmlib opens it. chmlib trusts
// the lengths, offsets and sizes in the file's headers (it divides by them,
// allocates them and reads as far as they say), so one damaged byte can
// crash the program or make it allocate gigabytes. Every header field chmlib
// relies on is checked here against the file's size and sane bounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formats/chm_layout.h"
#include "formats/chm_source.h"

namespace orvik {

struct ChmVerdict {
    bool ok = false;
    std::string reason;  // why the file is refused, when !ok
    ChmLayout layout;
};

// The checks on bytes from any source; reasons do not name the file.
ChmVerdict CheckChmHeaders(ChmSource& source);

// The checks on a file on disk; reasons start with the file's name.
ChmVerdict CheckChmFile(const std::string& path);


}  // namespace orvik
