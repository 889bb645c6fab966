// The start-up's first two steps, in this order: whether another instance
// runs for the user, then, only when none does, the working directory. A
// second start leaves the running instance's folder alone: its links, its
// renamed dictionaries and its page file stay as that instance made them.
#pragma once

#include <string>

#include "platform/qt/instance_lock.h"
#include "working_directory.h"

namespace orvik::desktop {

struct StartFolder {
    bool otherInstanceRuns = false;
    WorkingDirectory working;  // prepared only when no other instance runs
};

StartFolder PrepareStartFolder(InstanceLock& instance, const std::string& dataDirectory, const std::string& dataHome);

}  // namespace orvik::desktop
