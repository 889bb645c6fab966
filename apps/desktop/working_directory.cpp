#include "working_directory.h"

#include <filesystem>
#include <system_error>

namespace orvik::desktop {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPageFileName = "temp.htm";

// The dictionaries are installed as ".dat" and renamed to ".chm" by the
// program; once renamed, their link keeps the ".chm" name.
fs::path LinkName(const fs::path& folder, const fs::path& file) {
    if (file.extension() != ".dat") return folder / file.filename();
    const fs::path renamed = folder / file.filename().replace_extension(".chm");
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(renamed, error)) ? renamed : folder / file.filename();
}

// A link (old or new) is made to point at `target`; anything else of that
// name stays.
bool Link(const fs::path& link, const fs::path& target, std::error_code& error) {
    const auto status = fs::symlink_status(link, error);
    if (fs::exists(status) && !fs::is_symlink(status)) return true;
    if (fs::is_symlink(status)) fs::remove(link, error);
    fs::create_symlink(target, link, error);
    return !error;
}

}  // namespace

WorkingDirectory PrepareWorkingDirectory(const std::string& dataDirectory, const std::string& dataHome) {
    std::error_code error;
    const fs::path data = fs::canonical(dataDirectory, error);
    if (error) return {{}, "cannot use the data directory " + dataDirectory};
    const fs::path folder = fs::path(dataHome) / "orvik2004" / "work";
    fs::create_directories(folder, error);
    if (error) return {{}, "cannot make the working directory " + folder.string() + ": " + error.message()};
    for (const auto& entry : fs::directory_iterator(data, error)) {
        if (!entry.is_regular_file() || entry.path().filename() == kPageFileName) continue;
        if (!Link(LinkName(folder, entry.path()), entry.path(), error))
            return {{}, "cannot link " + entry.path().string() + " into " + folder.string() + ": " + error.message()};
    }
    if (error) return {{}, "cannot read the data directory " + data.string() + ": " + error.message()};
    return {folder.string(), {}};
}

}  // namespace orvik::desktop
