#include "doubles/memory_files.h"

#include <algorithm>
#include <utility>

#include "doubles/value_of.h"
#include "platform/disk_files.h"

namespace orvik {

MemoryFiles::MemoryFiles(std::vector<std::string>& calls, std::string programDirectory, std::string currentDirectory)
    : calls_(calls), programDirectory_(std::move(programDirectory)), currentDirectory_(std::move(currentDirectory)) {}

FileBytes MemoryFiles::ReadFile(const std::string& path) {
    calls_.push_back("ReadFile " + path);
    if (const auto file = files_.find(path); file != files_.end()) return {true, {}, file->second};
    if (std::find(removed_.begin(), removed_.end(), path) != removed_.end()) return {false, "file not found", {}};
    return ReadDiskFile(path);
}

bool MemoryFiles::WriteFile(const std::string& path, std::string_view bytes) {
    calls_.push_back("WriteFile " + path + " (" + std::to_string(bytes.size()) + " bytes)");
    if (std::find(unwritable_.begin(), unwritable_.end(), path) != unwritable_.end()) return false;
    files_[path] = std::string(bytes);
    return true;
}

bool MemoryFiles::RenameFile(const std::string& from, const std::string& to) {
    calls_.push_back("RenameFile " + from + " " + to);
    if (!FileExists(from) || FileExists(to)) return false;
    const auto memory = files_.find(from);
    SetFile(to, memory != files_.end() ? memory->second : ReadDiskFile(from).bytes);
    RemoveFile(from);
    return true;
}

bool MemoryFiles::DeleteFile(const std::string& path) {
    calls_.push_back("DeleteFile " + path);
    if (!FileExists(path)) return false;
    RemoveFile(path);
    return true;
}

void MemoryFiles::LogLine(std::string_view line) {
    calls_.push_back("LogLine " + std::string(line));
    logged_.emplace_back(line);
}

void MemoryFiles::SetFile(const std::string& path, std::string bytes) {
    files_[path] = std::move(bytes);
    std::erase(removed_, path);
}

void MemoryFiles::RemoveFile(const std::string& path) {
    files_.erase(path);
    removed_.push_back(path);
}

std::string MemoryFiles::FileContent(const std::string& path) const { return ValueOf(files_, path); }

bool MemoryFiles::FileExists(const std::string& path) const {
    if (files_.count(path) != 0) return true;
    if (std::find(removed_.begin(), removed_.end(), path) != removed_.end()) return false;
    return ReadDiskFile(path).ok;
}

}  // namespace orvik
