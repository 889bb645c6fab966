#include "trusted_peer.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace orvik::fcitxhook {

std::vector<std::string> TrustedPrograms(std::string_view list) {
    std::vector<std::string> programs;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(':'), list.size());
        // /proc names the file with every link resolved.
        std::error_code ignored;
        if (end > 0) programs.push_back(std::filesystem::weakly_canonical(std::string(list.substr(0, end)), ignored).string());
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return programs;
}

std::string ExecutableOf(pid_t pid) {
    std::array<char, 4096> target{};
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t size = readlink(link.c_str(), target.data(), target.size());
    if (size <= 0 || static_cast<std::size_t>(size) == target.size()) return {};
    return std::string(target.data(), static_cast<std::size_t>(size));
}

bool IsTrusted(const std::string& executable, const std::vector<std::string>& trusted) {
    return !executable.empty() && std::find(trusted.begin(), trusted.end(), executable) != trusted.end();
}

}  // namespace orvik::fcitxhook
