#include "formats/chm_verdicts.h"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>

namespace orvik {

namespace {

struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

struct Cached {
    FileStamp stamp;
    ChmVerdict verdict;
};

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code error;
    FileStamp stamp{std::filesystem::file_size(path, error), {}};
    if (error) return std::nullopt;
    stamp.modified = std::filesystem::last_write_time(path, error);
    if (error) return std::nullopt;
    return stamp;
}

}  // namespace

ChmVerdict CheckedChmFile(const std::string& path) {
    static std::mutex lock;
    static std::map<std::string, Cached> verdicts;
    const auto stamp = StampOf(path);
    if (!stamp) return CheckChmFile(path);  // says it cannot be opened
    const std::lock_guard<std::mutex> guard(lock);
    const auto found = verdicts.find(path);
    if (found != verdicts.end() && found->second.stamp == *stamp) return found->second.verdict;
    ChmVerdict verdict = CheckChmFile(path);
    if (!verdict.ok) std::cerr << "orvik: refusing " << verdict.reason << '\n';
    verdicts[path] = {*stamp, verdict};
    return verdict;
}

}  // namespace orvik
