#include <ostream>

#include "command.h"

namespace orvik::cli {

int UsageError(std::ostream& err, const std::string& message) {
    err << "orvik: " << message << "\n(run 'orvik --help' for the commands)\n";
    return kUsageError;
}

}  // namespace orvik::cli
