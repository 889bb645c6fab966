// The real data files, seen through a directory of the test's own, where
// the windows write their page file. The dictionaries appear as the
// program's start-up leaves them: "X.dat" renamed to "X.chm".
#pragma once

#include <filesystem>
#include <string>

#include "ime/page_file.h"
#include "temp_dir.h"

namespace orvik {

class DataCopy {
public:
    DataCopy() : dir_("orvik-qt") {
        // A page file left by a run of the program stays behind: the window
        // writes its own.
        for (const auto& entry : std::filesystem::directory_iterator(ORVIK_DATA_DIR)) {
            if (entry.path().filename() == kPageFileName) continue;
            std::filesystem::path name = entry.path().filename();
            if (name.extension() == ".dat") name.replace_extension(".chm");
            std::filesystem::create_symlink(entry.path(), dir_ / name);
        }
    }
    std::string Path() const { return dir_.path().string(); }

private:
    testing::TempDir dir_;
};

}  // namespace orvik
