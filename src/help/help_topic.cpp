#include "help/help_topic.h"

#include "buffer/data_buffer.h"
#include "io/text_lines.h"

#include <optional>

namespace velmaris::domain {

bool ShowHelpTopic(const QString& appFolder, const QString& helpFile, DataBuffer& buffer,
                   platform::TextArea& textArea, platform::MessageBoxes& messages) {
    // The whole file is read before the page is started, so that a file that cannot be read
    // leaves the page on screen and the buffer untouched.
    const io::DataFileRead file = io::ReadDataFile(io::DataFilePath(appFolder, helpFile));
    if (file.tooLarge) {
        messages.Show(io::DataFileTooLargeText(helpFile, io::kLargestDataFileBytes),
                      QStringLiteral("Warning!"), platform::MessageStyle::Exclamation);
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
    buffer.ShowDataBuffer(textArea);
    return true;
}

}  // namespace velmaris::domain
