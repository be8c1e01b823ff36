#include "platform/qt/single_copy_lock.h"

#include <QDir>

namespace velmaris::platform {

SingleCopyLock::SingleCopyLock(const QString& appFolder)
    : lock_(QDir(appFolder).filePath(kLockFileName)) {
    // A running copy holds its lock for as long as it runs, so a lock is never stale merely
    // for its age; only the owner's process id decides.
    lock_.setStaleLockTime(0);
}

LockOutcome SingleCopyLock::TryAcquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return LockOutcome::Acquired;
    }
    return lock_.error() == QLockFile::LockFailedError ? LockOutcome::HeldByAnotherCopy
                                                       : LockOutcome::NotPossible;
}

}  // namespace velmaris::platform
