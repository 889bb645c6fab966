// The program's current directory: a folder of the user's own under the XDG
// data home ("orvik2004/work") that holds a link to every file of the data
// directory. The start-up renames the dictionaries' links there, and the page
// file is written there, so the data directory (installed read-only, or the
// build's) is never written and two users never share a page file.
#pragma once

#include <optional>
#include <string>

namespace orvik::desktop {

struct WorkingDirectory {
    std::string path;
    std::string problem;  // why it could not be made, when path is empty
};

// Makes the folder when missing and links the data files into it. A link of
// an earlier run is pointed at the current data directory again; a
// dictionary whose ".chm" link exists keeps that name. Files of the user's
// own in the folder are left alone.
WorkingDirectory PrepareWorkingDirectory(const std::string& dataDirectory, const std::string& dataHome);

}  // namespace orvik::desktop
