#include "options.h"

#include <filesystem>

namespace orvik::desktop {

std::optional<Options> ParseOptions(const QStringList& arguments) {
    Options options{ORVIK_DEFAULT_DATA_DIR, false, false};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--ime-on") {
            options.imeOn = true;
        } else if (arguments[i] == "--tray") {
            options.tray = true;
        } else if (arguments[i] == "--data" && i + 1 < arguments.size()) {
            options.dataDirectory = arguments[++i].toStdString();
        } else {
            return std::nullopt;
        }
    }
    return options;
}

std::vector<std::string> AutostartCommand(const Options& options, const std::string& program) {
    std::vector<std::string> command{program, "--tray"};
    // The session starts the entry in the user's home, so the folder is
    // named in full.
    if (options.dataDirectory != ORVIK_DEFAULT_DATA_DIR)
        command.insert(command.end(), {"--data", std::filesystem::absolute(options.dataDirectory).string()});
    return command;
}

}  // namespace orvik::desktop
