#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace orvik::desktop {

std::unique_ptr<QLockFile> TakeInstanceLock() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    QDir(directory).mkpath("orvik2004");
    auto lock = std::make_unique<QLockFile>(directory + "/orvik2004/instance.lock");
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace orvik::desktop
