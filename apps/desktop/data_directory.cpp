#include "data_directory.h"

namespace orvik::desktop {

std::optional<std::string> DataDirectory(const QStringList& arguments) {
    std::string directory = ORVIK_DEFAULT_DATA_DIR;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != "--data" || i + 1 == arguments.size()) return std::nullopt;
        directory = arguments[++i].toStdString();
    }
    return directory;
}

}  // namespace orvik::desktop
