#include "app/InstanceLock.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace tolvar {

InstanceLock::InstanceLock(QString lockPath) : path_(std::move(lockPath)) {}

InstanceLock::~InstanceLock() = default;

QString InstanceLock::DefaultPath()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tolvar");
    return dir + QStringLiteral("/tolvar.lock");
}

bool InstanceLock::ClaimSingleInstance()
{
    if (lock_ && lock_->isLocked())
        return true;
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a lock whose process has died is taken over, however old the lock is.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return true;
    // Only another running game refuses the start; a lock we cannot even create (no
    // writable folder) must not keep the game from starting silently.
    return lock_->error() != QLockFile::LockFailedError;
}

}  // namespace tolvar
