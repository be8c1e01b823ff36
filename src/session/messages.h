#pragma once

#include "buffer/notices.h"
#include "platform/message_boxes.h"

#include <QString>

namespace velmaris::session {

// Text put before the date and time in the main window's caption.
inline const QString kCaptionPrefix = QStringLiteral("VELMARIS - ");

// The titles the program's messages are shown under.
inline const QString kWarningTitle = QStringLiteral("Warning!");
inline const QString kInformationTitle = QStringLiteral("Information!");
// Title of the output commands' messages (it has no exclamation mark).
inline const QString kOutputInformationTitle = QStringLiteral("Information");

// One message as the user sees it.
struct Message {
    QString text;
    QString title;
    platform::MessageStyle style;
};

// Texts of the data buffer's notices.
inline const QString kBufferFullText = QStringLiteral(
    "Buffer cannot hold any more data. Please print and/or clear data buffer before displaying "
    "any more data. This message may appear up to 35 times depending on how full the buffer is "
    "and how much the program wants to write to it.");
inline const QString kBufferNearlyFullText = QStringLiteral(
    "The data buffer is nearly full. Please consider clearing the data buffer by clicking on the "
    "'Clear all data' menu item.");
inline const QString kBufferClearedText = QStringLiteral("All data cleared from buffer.");

// The message that tells the user of a notice of the domain.
[[nodiscard]] Message MessageFor(const domain::Notice& notice);

// A notice sink that shows each notice as its message.
[[nodiscard]] domain::NoticeSink NoticesTo(platform::MessageBoxes& messages);

// Shows a message through the message-box service.
void Show(platform::MessageBoxes& messages, const Message& message);

// Start-up: the options file, the natal chart, the window settings.
[[nodiscard]] QString OptionsTooLargeText();
[[nodiscard]] QString OptionsUnreadableText(const QString& appFolder);
inline const QString kNatalUncomputableText = QStringLiteral(
    "The natal positions cannot be computed from the birth date in OPTIONS.OPT. Please check "
    "the birth date and start the program again.");
[[nodiscard]] QString WindowSettingsUnwritableText(const QString& appFolder);

// The options file and its editor.
inline const QString kOptionsFileNotFoundText = QStringLiteral("File Not Found");
inline const QString kOptionsRestoreFailedText =
    QStringLiteral("Error in operation. Cannot do what is requested.");
inline const QString kOptionsEditorMessageTitle = kWarningTitle;
[[nodiscard]] QString OptionsSaveFailedText(const QString& appFolder);
[[nodiscard]] QString OptionsTooLargeToEditText();
// Start-up restored the options file from its master copy.
inline const QString kOptionsRestoredTitle = kInformationTitle;
[[nodiscard]] QString OptionsRestoredText(const QString& appFolder);

// The output commands.
inline const QString kNoDataToWriteText = QStringLiteral("No data to write to file.");
inline const QString kNoDataToPrintText = QStringLiteral("No data to print.");
[[nodiscard]] QString SaveFailedText(const QString& path, const QString& error);
[[nodiscard]] QString StagingUnwritableText(const QString& path, const QString& error);
[[nodiscard]] QString StagingUnreadableText(const QString& path);
[[nodiscard]] QString NothingPrintedText(const QString& error);
[[nodiscard]] QString PrintedToPdfText(const QString& pdfPath);

// The picture windows and the listing.
inline const QString kPictureTitle = kWarningTitle;
[[nodiscard]] QString PictureUnsavedText(const QString& path, const QString& error);
[[nodiscard]] QString PictureUnprintedText(const QString& error);
[[nodiscard]] QString PictureToPdfText(const QString& pdfPath);
[[nodiscard]] QString ListingUnexportedText(const QString& path, const QString& error);

// The single-copy lock.
inline const QString kSecondCopyText = QStringLiteral(
    "VELMARIS is already running. For your protection you cannot have more than one copy of "
    "VELMARIS running at a time.");
inline const QString kSecondCopyTitle = QStringLiteral("WARNING!");
// The question asked when the lock names another computer, whose copy cannot be checked.
[[nodiscard]] QString OtherHostLockText(const QString& host, const QString& folder);

// The text font, and a start-up step that failed without a message of its own.
inline const QString kNoTextFontText = QStringLiteral(
    "No fixed-pitch font is installed, so the columns of the pages will not line up. Please "
    "install one, for example with the package fonts-liberation.");
inline const QString kNoTextFontTitle = kInformationTitle;
[[nodiscard]] QString StartUpFailedText(const QString& what);
inline const QString kStartUpFailedTitle = kWarningTitle;

}  // namespace velmaris::session
