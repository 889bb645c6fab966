#include "platform/fake/recording_platform.h"

#include <algorithm>
#include <utility>

#include "engine/text.h"
#include "platform/disk_files.h"

namespace orvik {

RecordingPlatform::RecordingPlatform(std::string programDirectory, std::string currentDirectory)
    : programDirectory_(std::move(programDirectory)), currentDirectory_(std::move(currentDirectory)) {}

FileBytes RecordingPlatform::ReadFile(const std::string& path) {
    calls_.push_back("ReadFile " + path);
    if (const auto file = files_.find(path); file != files_.end()) return {true, {}, file->second};
    if (std::find(removed_.begin(), removed_.end(), path) != removed_.end()) return {false, "file not found", {}};
    return ReadDiskFile(path);
}

bool RecordingPlatform::WriteFile(const std::string& path, std::string_view bytes) {
    calls_.push_back("WriteFile " + path + " (" + std::to_string(bytes.size()) + " bytes)");
    files_[path] = std::string(bytes);
    return true;
}

void RecordingPlatform::Navigate(std::string_view view, std::u16string_view address) {
    calls_.push_back("Navigate " + std::string(view) + " " + U16ToUtf8(address));
}

void RecordingPlatform::MessageBox(std::u16string_view text, std::u16string_view caption) {
    calls_.push_back("MessageBox [" + U16ToUtf8(caption) + "] " + U16ToUtf8(text));
}

void RecordingPlatform::SetFile(const std::string& path, std::string bytes) {
    files_[path] = std::move(bytes);
    std::erase(removed_, path);
}

void RecordingPlatform::RemoveFile(const std::string& path) {
    files_.erase(path);
    removed_.push_back(path);
}

std::string RecordingPlatform::FileContent(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
}

}  // namespace orvik
