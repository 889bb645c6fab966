// The whole data build: every file of the data directory, in order.
#pragma once

#include <filesystem>

#include "options.h"
#include "report.h"

namespace orvik::mkdata {

Report BuildAll(const Options& options);

// The report as text; also serves as the build's stamp file.
void WriteReportFile(const std::filesystem::path& path, const Report& report);

}  // namespace orvik::mkdata
