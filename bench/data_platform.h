// The generated data folder's files, read as the program reads them, for
// the benchmarks that run on the real data. A message box ends the run: it
// says a file is missing or damaged, and what follows would time nothing.
#pragma once

#include <cstdlib>
#include <iostream>
#include <string>

#include "engine/text.h"
#include "platform/disk_files.h"
#include "platform/headless_desktop.h"

namespace orvik::bench {

class DataPlatform : public HeadlessDesktop {
public:
    FileBytes ReadFile(const std::string& path) override { return ReadDiskFile(path); }
    bool WriteFile(const std::string&, std::string_view) override { return false; }
    std::string ProgramDirectory() override { return ORVIK_DATA_DIR; }
    std::string CurrentDirectory() override { return ORVIK_DATA_DIR; }
    void Navigate(std::string_view, std::u16string_view) override {}
    std::int32_t MsgBox(std::u16string_view text, std::int32_t, std::u16string_view) override {
        std::cerr << "benchmark: " << U16ToUtf8(text) << " (build the target orvik_data first)\n";
        std::exit(1);
    }
};

}  // namespace orvik::bench
