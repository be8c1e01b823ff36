#pragma once

#include "buffer/data_buffer.h"
#include "help/help_topic.h"
#include "session/messages.h"
#include "support/fakes.h"

namespace velmaris::testing {

// Shows the buffer's page in a recording text area, as the program does in its window.
inline bool ShowPage(domain::DataBuffer& buffer, RecordingTextArea& area) {
    return buffer.ShowDataBuffer(area.minimised,
                                 [&area](const QString& text) { area.SetText(text); });
}

// A help topic written as a page and shown, as the Help menu does it.
inline bool ShowTopic(const QString& folder, const QString& file, domain::DataBuffer& buffer,
                      RecordingTextArea& area, RecordingMessages& messages) {
    if (!domain::WriteHelpTopic(folder, file, buffer, session::NoticesTo(messages))) {
        return false;
    }
    ShowPage(buffer, area);
    return true;
}

}  // namespace velmaris::testing
