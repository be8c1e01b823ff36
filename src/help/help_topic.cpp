#include "help/help_topic.h"

#include "buffer/data_buffer.h"
#include "options/text_lines.h"

#include <optional>

namespace velmaris::domain {

bool ShowHelpTopic(const QString& appFolder, const QString& helpFile, DataBuffer& buffer,
                   platform::TextArea& textArea, platform::MessageBoxes& messages) {
    // The whole file is read before the page is started, so that a file that cannot be read
    // leaves the page on screen and the buffer untouched.
    const DataFileRead file = ReadDataFile(DataFilePath(appFolder, helpFile));
    if (file.tooLarge) {
        messages.Show(DataFileTooLargeText(helpFile, kLargestDataFileBytes),
                      QStringLiteral("Warning!"), platform::MessageStyle::Exclamation);
    }
    if (!file.contents) {
        return false;
    }
    buffer.ClearDataBuffer();
    for (const QString& line : DecodeLines(*file.contents)) {
        if (!buffer.AppendBufferLine(line)) {
            break;
        }
    }
    buffer.AppendBlankLine();
    buffer.ShowDataBuffer(textArea);
    return true;
}

}  // namespace velmaris::domain
