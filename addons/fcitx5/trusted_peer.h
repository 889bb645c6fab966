// Which process may act as orvik2004 on the hook's socket: one of this user
// running one of the orvik2004 executables the hook was built to trust (the
// installed one, and in a developer's build the build's own). Any other
// program of the same user could otherwise read the keys typed in every
// application or type into them.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace orvik::fcitxhook {

// The trusted executables, from a list separated by ":", each with the
// links in its path resolved.
std::vector<std::string> TrustedPrograms(std::string_view list);

// The executable a process runs, as /proc names it; empty when it cannot be
// read (the process is gone). A file replaced since the process started
// reads with " (deleted)" after it and so matches no trusted path.
std::string ExecutableOf(pid_t pid);

bool IsTrusted(const std::string& executable, const std::vector<std::string>& trusted);

}  // namespace orvik::fcitxhook
