// The files of a test: the program directory's files are read from the
// disk unless the test set them, the current directory is one of memory
// only, and written files stay in memory. Each call is noted in the test's
// call log; the log's lines are kept apart too.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/files.h"

namespace orvik {

class MemoryFiles : public virtual Files {
public:
    MemoryFiles(std::vector<std::string>& calls, std::string programDirectory = "/program",
                std::string currentDirectory = "/current");

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    bool RenameFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    std::string ProgramDirectory() override { return programDirectory_; }
    std::string CurrentDirectory() override { return currentDirectory_; }
    void LogLine(std::string_view line) override;

    // A file that reads with these bytes, wherever the disk says otherwise.
    void SetFile(const std::string& path, std::string bytes);
    void RemoveFile(const std::string& path);
    // A file whose writes fail, as on a full disk.
    void SetUnwritable(const std::string& path) { unwritable_.push_back(path); }
    // The bytes the test set or last wrote at `path`; empty when none.
    std::string FileContent(const std::string& path) const;
    // Whether a file exists: set by the test, written, or on the disk.
    bool FileExists(const std::string& path) const;
    const std::vector<std::string>& Logged() const { return logged_; }

private:
    std::vector<std::string>& calls_;
    std::string programDirectory_;
    std::string currentDirectory_;
    std::map<std::string, std::string> files_;
    std::vector<std::string> removed_;
    std::vector<std::string> unwritable_;
    std::vector<std::string> logged_;
};

}  // namespace orvik
