#include "app/start_up.h"

#include <QDir>

namespace velmaris::app {

QString StartUpFailedText(const QString& what) {
    return QStringLiteral("VELMARIS could not finish starting: %1. It goes on with what it has.")
        .arg(what);
}

QString OtherHostLockText(const QString& host, const QString& folder) {
    return QStringLiteral(
               "VELMARIS may be running on the computer %1 with the folder %2: its lock file "
               "VELMARIS.LCK says so, and from here it cannot be checked. Two copies working on "
               "the same files can undo each other's changes. Start VELMARIS here anyway?")
        .arg(host, QDir::toNativeSeparators(folder));
}

LockDecision DecideSingleCopy(platform::SingleCopyLock& lock, platform::MessageBoxes& messages,
                              const QString& folder) {
    platform::LockOutcome locked = lock.TryAcquire();
    if (locked == platform::LockOutcome::HeldOnAnotherHost) {
        if (!messages.Ask(OtherHostLockText(lock.OwnerHost(), folder), kSecondCopyTitle)) {
            return LockDecision::Stop;
        }
        locked = lock.TakeOver();
    }
    switch (locked) {
        case platform::LockOutcome::Acquired:
        case platform::LockOutcome::NotPossible:
            return LockDecision::Run;
        case platform::LockOutcome::HeldOnAnotherHost:
            return LockDecision::Stop;
        case platform::LockOutcome::HeldByAnotherCopy:
            break;
    }
    messages.Show(kSecondCopyText, kSecondCopyTitle, platform::MessageStyle::Critical);
    return LockDecision::StopAndRaiseOther;
}

}  // namespace velmaris::app
