// The generated data folder's files, read as the program reads them, for
// the benchmarks that run on the real data. A message box ends the run: it
// says a file is missing or damaged, and what follows would time nothing.
#pragma once

#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/text.h"
#include "platform/data_folder_desktop.h"

namespace orvik::bench {

class DataPlatform : public DataFolderDesktop {
public:
    DataPlatform() : DataFolderDesktop(ORVIK_DATA_DIR) {}
    std::int32_t MsgBox(std::u16string_view text, std::int32_t, std::u16string_view) override {
        std::cerr << "benchmark: " << U16ToUtf8(text) << " (build the target orvik_data first)\n";
        std::exit(1);
    }
};

}  // namespace orvik::bench
