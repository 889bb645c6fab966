#include "single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace orvik::desktop {

std::unique_ptr<QLockFile> TakeInstanceLock() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    // The folder holds the key hook's socket too, which it wants private.
    const QString folder = directory + "/orvik2004";
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto lock = std::make_unique<QLockFile>(folder + "/instance.lock");
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace orvik::desktop
