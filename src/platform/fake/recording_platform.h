// A platform for tests: records every call as one readable line, serves the
// program directory's files from a test's own directory (or from files the
// test sets), and keeps written files in memory.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace orvik {

class RecordingPlatform : public Platform {
public:
    // Files under `programDirectory` are read from the disk unless the test
    // set them; the current directory is a directory of memory only.
    explicit RecordingPlatform(std::string programDirectory = "/program",
                               std::string currentDirectory = "/current");

    FileBytes ReadFile(const std::string& path) override;
    bool WriteFile(const std::string& path, std::string_view bytes) override;
    std::string ProgramDirectory() override { return programDirectory_; }
    std::string CurrentDirectory() override { return currentDirectory_; }
    void Navigate(std::string_view view, std::u16string_view address) override;
    void MessageBox(std::u16string_view text, std::u16string_view caption) override;

    // A file that reads with these bytes, wherever the disk says otherwise.
    void SetFile(const std::string& path, std::string bytes);
    void RemoveFile(const std::string& path);
    // The bytes the test set or last wrote at `path`; empty when none.
    std::string FileContent(const std::string& path) const;

    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

private:
    std::string programDirectory_;
    std::string currentDirectory_;
    std::map<std::string, std::string> files_;
    std::vector<std::string> removed_;
    std::vector<std::string> calls_;
};

}  // namespace orvik
