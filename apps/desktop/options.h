// The desktop program's command line: "--data DIR" runs it on another data
// directory than the default one; "--ime-on" switches the input method on
// once start-up is done; "--tray" starts it quietly, its main window
// minimized and only its tray icons showing, as the desktop session starts
// it for a user who chose to start it with the desktop.
#pragma once

#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace orvik::desktop {

struct Options {
    std::string dataDirectory;
    bool imeOn = false;
    bool tray = false;
};

// Nothing when the arguments are not understood. The data directory is
// named in full, a relative one taken from the current directory.
std::optional<Options> ParseOptions(const QStringList& arguments);

// The command the user's autostart entry runs: `program` started quietly,
// on the data directory of this run when it is not the default one (the
// session starts the entry in the user's home, so the folder is in full).
std::vector<std::string> AutostartCommand(const Options& options, const std::string& program);

}  // namespace orvik::desktop
