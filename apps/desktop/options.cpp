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
            // The start-up moves into the working directory before the
            // autostart entry and the links name this folder, so a relative
            // one is resolved now, against the folder the user started in.
            options.dataDirectory = std::filesystem::absolute(arguments[++i].toStdString()).string();
        } else {
            return std::nullopt;
        }
    }
    return options;
}

std::vector<std::string> AutostartCommand(const Options& options, const std::string& program) {
    std::vector<std::string> command{program, "--tray"};
    if (options.dataDirectory != ORVIK_DEFAULT_DATA_DIR) command.insert(command.end(), {"--data", options.dataDirectory});
    return command;
}

}  // namespace orvik::desktop
