// A headless desktop whose program and current directory are one folder on
// the disk: files are read from the disk as the program reads them, written
// nowhere, and views draw nothing. The benchmarks and the command that reads
// aloud run on the data folder this way; each says what a message means.
#pragma once

#include <string>
#include <utility>

#include "platform/disk_files.h"
#include "platform/headless_desktop.h"

namespace orvik {

class DataFolderDesktop : public HeadlessDesktop {
public:
    explicit DataFolderDesktop(std::string folder) : folder_(std::move(folder)) {}

    FileBytes ReadFile(const std::string& path) override { return ReadDiskFile(path); }
    bool WriteFile(const std::string&, std::string_view) override { return false; }
    std::string ProgramDirectory() override { return folder_; }
    std::string CurrentDirectory() override { return folder_; }
    void Navigate(std::string_view, std::u16string_view) override {}

private:
    std::string folder_;
};

}  // namespace orvik
