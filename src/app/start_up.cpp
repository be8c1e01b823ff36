#include "app/start_up.h"

namespace velmaris::app {

using session::kSecondCopyText;
using session::kSecondCopyTitle;
using session::OtherHostLockText;

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
