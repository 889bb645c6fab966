// The desktop program's command line: "--data DIR" runs it on another data
// directory than the build's; "--ime-on" switches the input method on once
// start-up is done.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace orvik::desktop {

struct Options {
    std::string dataDirectory;
    bool imeOn = false;
};

// Nothing when the arguments are not understood.
std::optional<Options> ParseOptions(const QStringList& arguments);

}  // namespace orvik::desktop
