#include "platform/qt/wayland_selection.h"

#include <algorithm>
#include <sstream>

#include "platform/qt/bounded_command.h"

namespace orvik {

namespace {

// A list of types is a few hundred bytes; one past this is not a list.
constexpr std::size_t kTypeListLimit = 64 * 1024;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Command(const std::string& wlPaste, WaylandSelection selection,
                                 std::initializer_list<std::string> rest) {
    std::vector<std::string> command{wlPaste};
    if (selection == WaylandSelection::kPrimary) command.emplace_back("--primary");
    command.insert(command.end(), rest);
    return command;
}

}  // namespace

SelectionRead ReadWaylandSelection(WaylandSelection selection, const std::vector<std::string>& wanted,
                                   std::size_t limit, std::chrono::milliseconds patience, const std::string& wlPaste) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    const CommandOutput listed = RunBounded(Command(wlPaste, selection, {"--list-types"}), kTypeListLimit, deadline);
    if (!listed.finished) return {};
    const std::vector<std::string> offered = Lines(listed.bytes);
    const auto chosen = std::find_first_of(wanted.begin(), wanted.end(), offered.begin(), offered.end());
    if (chosen == wanted.end()) return {};
    const CommandOutput read = RunBounded(Command(wlPaste, selection, {"--no-newline", "--type", *chosen}), limit, deadline);
    if (!read.finished && !read.cut) return {};
    return {true, *chosen, read.bytes, read.cut};
}

}  // namespace orvik
