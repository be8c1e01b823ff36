#pragma once

#include "platform/message_boxes.h"
#include "platform/qt/single_copy_lock.h"
#include "session/messages.h"

#include <QString>

namespace velmaris::app {

// Name of the text font; a fixed-pitch substitute stands in for it where it is not installed.
inline const QString kTextFontName = QStringLiteral("COURIER NEW");
inline const QString kCaptionBeforeFirstTick = QStringLiteral("VELMARIS");

// What a start does about the single-copy lock of its program folder.
enum class LockDecision {
    Run,                // the lock is held, or none can be made there (a read-only folder)
    Stop,               // the user chose not to start beside a copy on another computer
    StopAndRaiseOther,  // another copy runs here: it has been said, and that copy should show
};

// Takes the lock: a copy on this computer refuses the start with kSecondCopyText; a lock that
// names another computer asks the user (OtherHostLockText) and takes the lock over on Yes.
[[nodiscard]] LockDecision DecideSingleCopy(platform::SingleCopyLock& lock,
                                            platform::MessageBoxes& messages,
                                            const QString& folder);

}  // namespace velmaris::app
