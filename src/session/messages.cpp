#include "session/messages.h"

#include <QDir>

#include "io/text_lines.h"
#include "options/options_editor.h"
#include "options/options_file.h"

namespace velmaris::session {

using platform::MessageStyle;

Message MessageFor(const domain::Notice& notice) {
    switch (notice.kind) {
        case domain::NoticeKind::BufferFull:
            return {kBufferFullText, kWarningTitle, MessageStyle::Critical};
        case domain::NoticeKind::BufferNearlyFull:
            return {kBufferNearlyFullText, kWarningTitle, MessageStyle::Information};
        case domain::NoticeKind::BufferCleared:
            return {kBufferClearedText, kInformationTitle, MessageStyle::Exclamation};
        case domain::NoticeKind::NoPositionsForDay:
            return {QStringLiteral("The positions of the planets cannot be computed for %1. "
                                   "Please choose a date nearer to the present.")
                        .arg(notice.subject),
                    kWarningTitle, MessageStyle::Exclamation};
        case domain::NoticeKind::InterpretationTooLarge:
            return {io::DataFileTooLargeText(notice.subject, io::kLargestDataFileBytes) +
                        QStringLiteral(" The aspects it explains are left out of the report."),
                    kWarningTitle, MessageStyle::Exclamation};
        case domain::NoticeKind::HelpTopicTooLarge:
            break;
    }
    return {io::DataFileTooLargeText(notice.subject, io::kLargestDataFileBytes), kWarningTitle,
            MessageStyle::Exclamation};
}

domain::NoticeSink NoticesTo(platform::MessageBoxes& messages) {
    return [&messages](const domain::Notice& notice) { Show(messages, MessageFor(notice)); };
}

void Show(platform::MessageBoxes& messages, const Message& message) {
    messages.Show(message.text, message.title, message.style);
}

QString OptionsTooLargeText() {
    return io::DataFileTooLargeText(domain::kOptionsFileName, io::kLargestDataFileBytes) +
           QStringLiteral(" Every option stays at its present value (0 at start-up).");
}

QString OptionsUnreadableText(const QString& appFolder) {
    return QStringLiteral(
               "The options file OPTIONS.OPT cannot be read from %1. Every option "
               "stays at its present value (0 at start-up).")
        .arg(appFolder);
}

QString WindowSettingsUnwritableText(const QString& appFolder) {
    return QStringLiteral("The window settings cannot be written to VELMARIS.INI in %1.")
        .arg(appFolder);
}

QString OptionsRestoredText(const QString& appFolder) {
    return QStringLiteral(
               "The options file OPTIONS.OPT could not be read from %1, so the default settings "
               "of OPTIONS.MAS have been copied to it. Please enter your birth data with the "
               "Options menu and start VELMARIS again.")
        .arg(appFolder);
}

QString OptionsTooLargeToEditText() {
    return io::DataFileTooLargeText(domain::kOptionsFileName, domain::kLargestEditedOptionsBytes) +
           QStringLiteral(" It is too large to edit here.");
}

QString OptionsSaveFailedText(const QString& appFolder) {
    return QStringLiteral(
               "OPTIONS.OPT cannot be written in %1. The file has been left as it was; your "
               "changes are still in the window.")
        .arg(appFolder);
}

QString SaveFailedText(const QString& path, const QString& error) {
    return QStringLiteral(
               "The data could not be saved to %1: %2. Any earlier file of that name is "
               "unchanged.")
        .arg(QDir::toNativeSeparators(path), error);
}

QString StagingUnwritableText(const QString& path, const QString& error) {
    return QStringLiteral("The file to print, %1, could not be written: %2.")
        .arg(QDir::toNativeSeparators(path), error);
}

QString StagingUnreadableText(const QString& path) {
    return QStringLiteral("The file to print, %1, could not be read.")
        .arg(QDir::toNativeSeparators(path));
}

QString NothingPrintedText(const QString& error) {
    return QStringLiteral("Nothing was printed: %1.").arg(error);
}

QString PrintedToPdfText(const QString& pdfPath) {
    return QStringLiteral("No printer is installed, so the pages were written to the file %1.")
        .arg(QDir::toNativeSeparators(pdfPath));
}

QString PictureUnsavedText(const QString& path, const QString& error) {
    return QStringLiteral("The picture could not be saved to %1: %2.")
        .arg(QDir::toNativeSeparators(path), error);
}

QString PictureUnprintedText(const QString& error) {
    return QStringLiteral("The picture could not be printed: %1.").arg(error);
}

QString PictureToPdfText(const QString& pdfPath) {
    return QStringLiteral("No printer is installed: the picture was written to %1.")
        .arg(QDir::toNativeSeparators(pdfPath));
}

QString ListingUnexportedText(const QString& path, const QString& error) {
    return QStringLiteral("The listing could not be exported to %1: %2.")
        .arg(QDir::toNativeSeparators(path), error);
}

QString OtherHostLockText(const QString& host, const QString& folder) {
    return QStringLiteral(
               "VELMARIS may be running on the computer %1 with the folder %2: its lock file "
               "VELMARIS.LCK says so, and from here it cannot be checked. Two copies working on "
               "the same files can undo each other's changes. Start VELMARIS here anyway?")
        .arg(host, QDir::toNativeSeparators(folder));
}

QString StartUpFailedText(const QString& what) {
    return QStringLiteral("VELMARIS could not finish starting: %1. It goes on with what it has.")
        .arg(what);
}

}  // namespace velmaris::session
