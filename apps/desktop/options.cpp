#include "options.h"

namespace orvik::desktop {

std::optional<Options> ParseOptions(const QStringList& arguments) {
    Options options{ORVIK_DEFAULT_DATA_DIR, false};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--ime-on") {
            options.imeOn = true;
        } else if (arguments[i] == "--data" && i + 1 < arguments.size()) {
            options.dataDirectory = arguments[++i].toStdString();
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace orvik::desktop
