#include "platform/qt/single_copy_lock.h"

#include <QDir>

namespace velmaris::platform {

SingleCopyLock::SingleCopyLock(const QString& appFolder)
    : lock_(QDir(appFolder).filePath(kLockFileName)) {
    // A running copy holds its lock for as long as it runs, so a lock is never stale merely
    // for its age; only the owner's process id decides.
    lock_.setStaleLockTime(0);
}

bool SingleCopyLock::TryAcquire() {
    if (lock_.isLocked()) {
        return true;
    }
    return lock_.tryLock(0);
}

}  // namespace velmaris::platform
