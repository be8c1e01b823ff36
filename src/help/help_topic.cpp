#include "help/help_topic.h"

#include <QDir>

#include "buffer/data_buffer.h"
#include "io/text_lines.h"

#include <optional>

namespace velmaris::domain {

bool WriteHelpTopic(const QString& appFolder, const QString& helpFile, DataBuffer& buffer,
                    const NoticeSink& notices) {
    // The whole file is read before the page is started, so that a file that cannot be read
    // leaves the page on screen and the buffer untouched.
    const io::DataFileRead file = io::ReadDataFile(io::DataFilePath(appFolder, helpFile));
    if (file.tooLarge) {
        notices({NoticeKind::HelpTopicTooLarge, helpFile});
    }
    if (!file.contents) {
        return false;
    }
    buffer.ClearDataBuffer();
    for (const QString& line : io::DecodeLines(*file.contents)) {
        if (!buffer.AppendBufferLine(line)) {
            break;
        }
    }
    buffer.AppendBlankLine();
    return true;
}

QString ProgramFolderText(const QString& appFolder, const QString& installedFolder) {
    QString text = QStringLiteral(
                       "VELMARIS keeps its options, window settings, saved pages and print files "
                       "in the folder %1.")
                       .arg(QDir::toNativeSeparators(appFolder));
    if (!installedFolder.isEmpty() && installedFolder != appFolder) {
        text += QStringLiteral(
                    " Its data files were copied there from the installed copy in %1, "
                    "which is never changed; Restore Default Settings and missing "
                    "files come from there.")
                    .arg(QDir::toNativeSeparators(installedFolder));
    } else if (!installedFolder.isEmpty()) {
        text += QStringLiteral(
            " That folder is the installed copy, which cannot be changed: "
            "nothing can be saved there.");
    }
    return text;
}

}  // namespace velmaris::domain
