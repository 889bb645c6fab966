// One running program per user: a lock file "instance.lock" in the folder
// "orvik2004" of the user's runtime directory (private to the user; the key
// hook's socket is there too). The lock is taken on the first question and
// held while this object lives; the start-up asks before it prepares
// anything and hands the lock to the platform. A lock whose process is gone counts as free,
// so a killed program does not keep the next one from starting.
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace orvik {

class InstanceLock {
public:
    using Log = std::function<void(std::string_view)>;
    explicit InstanceLock(Log log);
    ~InstanceLock();
    InstanceLock(InstanceLock&&) noexcept;
    InstanceLock& operator=(InstanceLock&&) noexcept;

    // Whether another program holds the lock. The first answer stays: an
    // instance that found none keeps the lock. When the lock cannot be taken
    // for another reason the program runs, and the log says why.
    bool OtherInstanceRuns();

    // The lock file's path: under $XDG_RUNTIME_DIR, else the temporary folder.
    static QString LockPath();

private:
    Log log_;
    std::optional<bool> answer_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace orvik
