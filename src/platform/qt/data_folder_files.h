// The program's files on this desktop: on the disk, relative ones in the
// data folder the program was started in, which is also its current
// folder; the log is standard error, where the desktop session keeps it.
#pragma once

#include <string>

#include "platform/files.h"

namespace orvik {

class DataFolderFiles : public virtual Files {
public:
    explicit DataFolderFiles(std::string dataDirectory) : dataDirectory_(std::move(dataDirectory)) {}

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    // A rename never replaces a file.
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    std::string ProgramDirectory() override { return dataDirectory_; }
    std::string CurrentDirectory() override { return dataDirectory_; }
    void LogLine(std::string_view line) override;

    // Where relative "its:" files and the page file are.
    std::string DataDirectory() const { return dataDirectory_; }

private:
    std::string dataDirectory_;
};

}  // namespace orvik
