#include "help/help_topic.h"

#include "buffer/data_buffer.h"
#include "options/text_lines.h"

#include <optional>

namespace velmaris::domain {

bool ShowHelpTopic(const QString& appFolder, const QString& helpFile, DataBuffer& buffer,
                   platform::TextArea& textArea) {
    // The whole file is read before the page is started, so that a file that cannot be read
    // leaves the page on screen and the buffer untouched.
    const std::optional<QStringList> lines = ReadTextLines(DataFilePath(appFolder, helpFile));
    if (!lines) {
        return false;
    }
    buffer.ClearDataBuffer();
    for (const QString& line : *lines) {
        buffer.AppendBufferLine(line);
    }
    buffer.AppendBlankLine();
    buffer.ShowDataBuffer(textArea);
    return true;
}

}  // namespace velmaris::domain
