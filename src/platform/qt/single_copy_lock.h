#pragma once

#include <QLockFile>
#include <QString>

#include <sys/types.h>

namespace velmaris::platform {

inline const QString kLockFileName = QStringLiteral("VELMARIS.LCK");

enum class LockOutcome {
    Acquired,           // this copy holds the lock (or held it already)
    HeldByAnotherCopy,  // a running copy holds it
    HeldOnAnotherHost,  // the lock names another computer, whose copy cannot be checked
    NotPossible,        // no lock file can be made there, e.g. in a read-only folder
};

// Lock that keeps a second copy of the program from running in the same program folder. The
// lock file holds the owner's process id; a file left by a copy that ended without removing it
// (a crash, a kill) is recognised by that id and taken over. The lock file is created
// exclusively, so of two copies that start at the same instant only one gets it.
// A lock whose owner cannot be read (an empty or garbled file older than a moment, as a crash
// or a full disk leaves it) is stale and taken over; so is anything that is not a regular
// file in its place (a named pipe, a symbolic link, an empty folder), which is removed without
// ever being opened.
class SingleCopyLock {
  public:
    explicit SingleCopyLock(const QString& appFolder);
    LockOutcome TryAcquire();
    // The computer a HeldOnAnotherHost lock names.
    [[nodiscard]] const QString& OwnerHost() const { return ownerHost_; }
    // Takes the lock over from a copy on another computer, when the user has said so.
    LockOutcome TakeOver();

    // How long an unreadable lock file is taken to be one still being written.
    static constexpr qint64 kWritingGraceMs = 2000;
    static constexpr off_t kLargestLockBytes = 4096;

  private:
    void RemoveDeadLock();

    QString path_;
    QLockFile lock_;
    QString ownerHost_;
};

}  // namespace velmaris::platform
