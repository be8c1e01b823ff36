#pragma once

#include "platform/message_boxes.h"
#include "platform/qt/single_copy_lock.h"

#include <QString>

namespace velmaris::app {

// Name of the text font; a fixed-pitch substitute stands in for it where it is not installed.
inline const QString kTextFontName = QStringLiteral("COURIER NEW");
inline const QString kCaptionBeforeFirstTick = QStringLiteral("VELMARIS");

inline const QString kSecondCopyText = QStringLiteral(
    "VELMARIS is already running. For your protection you cannot have more than one copy of "
    "VELMARIS running at a time.");
inline const QString kSecondCopyTitle = QStringLiteral("WARNING!");

// The question asked when the lock names another computer, whose copy cannot be checked.
[[nodiscard]] QString OtherHostLockText(const QString& host, const QString& folder);

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

inline const QString kNoTextFontText = QStringLiteral(
    "You must have the COURIER NEW font installed in Windows. Please add this font through "
    "CONTROL PANEL - FONTS.");
inline const QString kNoTextFontTitle = QStringLiteral("Information!");

// Message for a failure in a start-up step that has no message of its own.
[[nodiscard]] QString StartUpFailedText(const QString& what);
inline const QString kStartUpFailedTitle = QStringLiteral("Warning!");

}  // namespace velmaris::app
