// Checks a compiled help file (.chm) before chmlib opens it. chmlib trusts
// the lengths, offsets and sizes in the file's headers (it divides by them,
// allocates them and reads as far as they say), so one damaged byte can
// crash the program or make it allocate gigabytes. Every header field chmlib
// relies on is checked here against the file's size and sane bounds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/chm_directory.h"
#include "platform/chm_source.h"

namespace orvik {

// What the checks learnt that page reads still need.
struct ChmLayout {
    std::uint64_t fileSize = 0;
    std::uint64_t dataOffset = 0;  // where section 0 (uncompressed) begins
    bool compressed = false;       // chmlib can read section 1 (LZX)
    std::uint64_t uncompressedLength = 0;  // of section 1
};

struct ChmVerdict {
    bool ok = false;
    std::string reason;  // why the file is refused, when !ok
    ChmLayout layout;
};

// The checks on bytes from any source; reasons do not name the file.
ChmVerdict CheckChmHeaders(ChmSource& source);

// The checks on a file on disk; reasons start with the file's name.
ChmVerdict CheckChmFile(const std::string& path);

// Whether an object with this directory entry can be read safely from a
// file with this layout; a reason when not.
std::optional<std::string> CheckChmObject(const ChmLayout& layout, const ChmEntry& entry);

}  // namespace orvik
