#pragma once

#include <QLockFile>
#include <QString>

namespace velmaris::platform {

inline const QString kLockFileName = QStringLiteral("VELMARIS.LCK");

enum class LockOutcome {
    Acquired,           // this copy holds the lock (or held it already)
    HeldByAnotherCopy,  // a running copy holds it
    NotPossible,        // no lock file can be made there, e.g. in a read-only folder
};

// Lock that keeps a second copy of the program from running in the same program folder. The
// lock file holds the owner's process id; a file left by a copy that ended without removing it
// (a crash, a kill) is recognised by that id and taken over. The lock file is created
// exclusively, so of two copies that start at the same instant only one gets it.
class SingleCopyLock {
  public:
    explicit SingleCopyLock(const QString& appFolder);
    LockOutcome TryAcquire();

  private:
    QLockFile lock_;
};

}  // namespace velmaris::platform
