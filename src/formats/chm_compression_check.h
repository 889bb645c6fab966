// Checks the objects that describe the LZX-compressed section of a compiled
// help file: its control data (window size, reset interval) and its reset
// table (block length, block count, where each compressed block begins).
#pragma once

#include <optional>
#include <string>

#include "formats/chm_directory.h"
#include "formats/chm_source.h"

namespace orvik {

struct ChmLayout;

// Looks up the compressed section's objects as chmlib does. When chmlib
// would use them, checks them and fills `layout.compressed` and its length.
std::optional<std::string> CheckChmCompression(ChmSource& source, const ChmDirectory& directory, ChmLayout& layout);

}  // namespace orvik
