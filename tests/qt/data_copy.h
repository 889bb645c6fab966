// The real data files, seen through a directory of the test's own, where
// the windows write their page file. The dictionaries appear as the
// program's start-up leaves them: "X.dat" renamed to "X.chm".
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "ime/page_file.h"

namespace orvik {

class DataCopy {
public:
    DataCopy() : path_(std::filesystem::temp_directory_path() / ("orvik-qt-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
        // A page file left by a run of the program stays behind: the window
        // writes its own.
        for (const auto& entry : std::filesystem::directory_iterator(ORVIK_DATA_DIR)) {
            if (entry.path().filename() == kPageFileName) continue;
            std::filesystem::path name = entry.path().filename();
            if (name.extension() == ".dat") name.replace_extension(".chm");
            std::filesystem::create_symlink(entry.path(), path_ / name);
        }
    }
    ~DataCopy() { std::filesystem::remove_all(path_); }
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace orvik
