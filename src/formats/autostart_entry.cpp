#include "formats/autostart_entry.h"

#include <string_view>

namespace orvik {

namespace {

// Characters that the desktop's reading of Exec treats specially outside
// quotes, and those that must be escaped inside them.
constexpr std::string_view kNeedQuotes = " \t\"'\\><~|&;$*?#()`";
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

bool HasControlCharacter(const std::string& argument) {
    for (const unsigned char c : argument)
        if (c < 0x20 || c == 0x7f) return true;
    return false;
}

std::string QuotedArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(kNeedQuotes) == std::string::npos) return argument;
    std::string quoted = "\"";
    for (const char c : argument) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// "%" starts a field code; a backslash is an escape of the string value,
// applied before the quoting is read.
std::string EscapedValue(const std::string& line) {
    std::string value;
    for (const char c : line) {
        if (c == '%') value += '%';
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

}  // namespace

std::optional<std::string> DesktopExecValue(const std::vector<std::string>& command) {
    if (command.empty() || command.front().empty()) return std::nullopt;
    std::string line;
    for (const std::string& argument : command) {
        if (HasControlCharacter(argument)) return std::nullopt;
        if (!line.empty()) line += ' ';
        line += QuotedArgument(argument);
    }
    return EscapedValue(line);
}

std::optional<std::string> AutostartEntryText(const std::vector<std::string>& command) {
    const auto exec = DesktopExecValue(command);
    if (!exec) return std::nullopt;
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Việt Orvik 2004\n"
           "Comment=Starts the Vietnamese input method quietly into the notification area\n"
           "Comment[vi]=Chạy bộ gõ tiếng Việt, thu nhỏ vào khay hệ thống\n"
           "Exec=" + *exec + "\n"
           "Icon=orvik2004\n"
           "Terminal=false\n";
}

}  // namespace orvik
