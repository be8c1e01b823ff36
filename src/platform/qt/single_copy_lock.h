#pragma once

#include <QLockFile>
#include <QString>

namespace velmaris::platform {

inline const QString kLockFileName = QStringLiteral("VELMARIS.LCK");

// Lock that keeps a second copy of the program from running in the same program folder. The
// lock file holds the owner's process id; a file left by a copy that ended without removing it
// (a crash, a kill) is recognised by that id and taken over.
class SingleCopyLock {
  public:
    explicit SingleCopyLock(const QString& appFolder);
    // True when this copy now holds the lock (or held it already).
    bool TryAcquire();
    [[nodiscard]] bool IsHeld() const { return lock_.isLocked(); }

  private:
    QLockFile lock_;
};

}  // namespace velmaris::platform
