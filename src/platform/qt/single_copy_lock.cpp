#include "platform/qt/single_copy_lock.h"

#include "io/text_lines.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace velmaris::platform {

SingleCopyLock::SingleCopyLock(const QString& appFolder)
    : path_(QDir(appFolder).filePath(kLockFileName)), lock_(path_) {
    // A running copy holds its lock for as long as it runs, so a lock is never stale merely
    // for its age; only the owner's process id decides.
    lock_.setStaleLockTime(0);
}

void SingleCopyLock::RemoveDeadLock() {
    const QByteArray path = QFile::encodeName(path_);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        return;  // no lock file
    }
    if (S_ISDIR(status.st_mode)) {
        ::rmdir(path.constData());  // only an empty folder goes; otherwise no lock can be made
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        ::unlink(path.constData());  // a lock file is never a pipe, a device or a link
        return;
    }
    // A lock file holds a process number, a host and a program name: a few dozen bytes. A
    // larger one is not a lock, and is not read.
    if (status.st_size > kLargestLockBytes) {
        ::unlink(path.constData());
        return;
    }
    QFile file;
    if (!io::OpenRegularFile(file, path_)) {
        return;
    }
    file.close();
    qint64 pid = 0;
    QString host;
    QString application;
    // A file that names no owner is stale once it is older than the moment between the
    // creation of a lock file and the writing of its owner.
    const qint64 age = QFileInfo(path_).lastModified().msecsTo(QDateTime::currentDateTime());
    if (!lock_.getLockInfo(&pid, &host, &application) && qAbs(age) > kWritingGraceMs) {
        lock_.removeStaleLockFile();
    }
}

LockOutcome SingleCopyLock::TryAcquire() {
    if (lock_.isLocked()) {
        return LockOutcome::Acquired;
    }
    RemoveDeadLock();
    if (lock_.tryLock(0)) {
        return LockOutcome::Acquired;
    }
    if (lock_.error() != QLockFile::LockFailedError || QFileInfo(path_).isDir()) {
        // A folder that is not empty stands where the lock goes: no copy holds it, yet no
        // lock can be made.
        return LockOutcome::NotPossible;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&pid, &host, &application) && !host.isEmpty() &&
        host != QSysInfo::machineHostName()) {
        ownerHost_ = host;
        return LockOutcome::HeldOnAnotherHost;
    }
    return LockOutcome::HeldByAnotherCopy;
}

LockOutcome SingleCopyLock::TakeOver() {
    if (lock_.isLocked()) {
        return LockOutcome::Acquired;
    }
    lock_.removeStaleLockFile();
    return TryAcquire();
}

}  // namespace velmaris::platform
