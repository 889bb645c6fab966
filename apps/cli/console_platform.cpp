#include "console_platform.h"

#include <unistd.h>

#include <filesystem>
#include <utility>

#include "engine/text.h"
#include "platform/disk_files.h"

namespace orvik::cli {

namespace {

// A directory of this run's own, so the page file never lands in the
// user's working directory.
std::string MakeScratchDirectory() {
    std::error_code error;
    const auto dir = std::filesystem::temp_directory_path(error) / ("orvik-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir, error);
    return dir.string();
}

}  // namespace

ConsolePlatform::ConsolePlatform(std::string dataDirectory, std::ostream& messages)
    : dataDirectory_(std::move(dataDirectory)), scratchDirectory_(MakeScratchDirectory()), messages_(messages) {}

ConsolePlatform::~ConsolePlatform() {
    std::error_code error;
    std::filesystem::remove_all(scratchDirectory_, error);
}

FileBytes ConsolePlatform::ReadFile(const std::string& path) { return ReadDiskFile(path); }

bool ConsolePlatform::WriteFile(const std::string& path, std::string_view bytes) {
    return WriteDiskFile(path, bytes);
}

void ConsolePlatform::Navigate(std::string_view, std::u16string_view) {}

// No one can answer a question here: OK stands for the answer.
std::int32_t ConsolePlatform::MsgBox(std::u16string_view text, std::int32_t, std::u16string_view caption) {
    messages_ << U16ToUtf8(caption) << ": " << U16ToUtf8(text) << '\n';
    return kIdOk;
}

}  // namespace orvik::cli
