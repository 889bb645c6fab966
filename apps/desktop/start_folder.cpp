#include "start_folder.h"

namespace orvik::desktop {

StartFolder PrepareStartFolder(InstanceLock& instance, const std::string& dataDirectory, const std::string& dataHome) {
    if (instance.OtherInstanceRuns()) return {true, {}};
    return {false, PrepareWorkingDirectory(dataDirectory, dataHome)};
}

}  // namespace orvik::desktop
