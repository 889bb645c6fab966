// The data directory the program runs in: the build's data directory, or
// the one given by "--data DIR".
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace orvik::desktop {

// Nothing when the arguments are not understood.
std::optional<std::string> DataDirectory(const QStringList& arguments);

}  // namespace orvik::desktop
