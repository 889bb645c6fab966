// Where the sections of a compiled help file (.chm) lie, as its header
// checks learnt it, and whether an object of its directory lies within them.
// Both the header checks and the compressed section's checks use it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "formats/chm_directory.h"

namespace orvik {

// What the checks learnt that page reads still need.
struct ChmLayout {
    std::uint64_t fileSize = 0;
    std::uint64_t dataOffset = 0;  // where section 0 (uncompressed) begins
    bool compressed = false;       // chmlib can read section 1 (LZX)
    std::uint64_t uncompressedLength = 0;  // of section 1
};

// Whether an object with this directory entry can be read safely from a
// file with this layout; a reason when not.
std::optional<std::string> CheckChmObject(const ChmLayout& layout, const ChmEntry& entry);

}  // namespace orvik
