// One running program per user: a lock file in the user's runtime
// directory (its folder "orvik2004", private to the user, which the key
// hook's socket shares), taken at start and released at the end (also when
// the program dies, since a lock whose process is gone counts as free).
#pragma once

#include <QLockFile>
#include <memory>

namespace orvik::desktop {

// The lock when this is the only running program; nothing when another one
// runs.
std::unique_ptr<QLockFile> TakeInstanceLock();

}  // namespace orvik::desktop
