// The header checks of compiled help files, done once per file: the verdict
// is kept while the file's size and modification time stay the same.
#pragma once

#include <string>

#include "formats/chm_header_check.h"

namespace orvik {

// The verdict on the file at `path`. The first time a file is refused, its
// reason is written as one line to standard error.
ChmVerdict CheckedChmFile(const std::string& path);

}  // namespace orvik
