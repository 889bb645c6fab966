#include "console_platform.h"

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "engine/text.h"
#include "platform/disk_files.h"

namespace orvik::cli {

namespace {

// A private directory of this run's own (mode 0700, a name no one could
// plant beforehand), so the page file never lands in the user's working
// directory nor follows a link someone else left.
std::string MakeScratchDirectory() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) base = "/tmp";  // TMPDIR names no directory
    std::string pattern = (base / "orvik-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch directory in " + pattern);
    return pattern;
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
