#include "platform/qt/instance_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvik {

InstanceLock::InstanceLock(Log log) : log_(std::move(log)) {}

InstanceLock::~InstanceLock() = default;
InstanceLock::InstanceLock(InstanceLock&&) noexcept = default;
InstanceLock& InstanceLock::operator=(InstanceLock&&) noexcept = default;

QString InstanceLock::LockPath() {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    return directory + QStringLiteral("/orvik2004/instance.lock");
}

bool InstanceLock::OtherInstanceRuns() {
    if (answer_) return *answer_;
    const QString path = LockPath();
    const QString folder = QFileInfo(path).path();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    lock_ = std::make_unique<QLockFile>(path);
    // No age makes a lock stale: only the death of its process does.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        answer_ = false;
    } else if (lock_->error() == QLockFile::LockFailedError) {
        answer_ = true;
    } else {
        log_("cannot take the lock " + path.toStdString() +
             ", so another running orvik2004 goes unnoticed");
        answer_ = false;
    }
    return *answer_;
}

}  // namespace orvik
