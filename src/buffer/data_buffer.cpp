#include "buffer/data_buffer.h"

#include "platform/text_area.h"

namespace velmaris::domain {

void DataBuffer::ClearDataBuffer() {
    pageLines_.clear();
}

bool DataBuffer::AppendBufferLine(const QString& text) {
    // Both lists are checked before either is touched, so a refused line leaves them in step.
    if (AllLineCount() >= kBufferLineLimit || PageLineCount() >= kBufferLineLimit) {
        messages_->Show(kBufferFullText, QStringLiteral("Warning!"),
                        platform::MessageStyle::Critical);
        return false;
    }
    allLines_.append(text);
    pageLines_.append(text);
    return true;
}

QString DataBuffer::PageText() const {
    const QString crLf = QStringLiteral("\r\n");
    qsizetype length = crLf.size();
    for (const QString& line : pageLines_) {
        length += line.size() + crLf.size();
    }
    QString text;
    text.reserve(length);
    for (const QString& line : pageLines_) {
        text += line;
        text += crLf;
    }
    text += crLf;
    return text;
}

bool DataBuffer::ShowDataBuffer(platform::TextArea& textArea) {
    if (textArea.IsMinimised() || AllLineCount() == 0) {
        return false;
    }
    AppendBlankLine();
    textArea.SetText(PageText());
    if (AllLineCount() > kBufferWarningLineCount) {
        messages_->Show(kBufferNearlyFullText, QStringLiteral("Warning!"),
                        platform::MessageStyle::Information);
    }
    return true;
}

void DataBuffer::ClearAllData() {
    allLines_ = QStringList();
    messages_->Show(kBufferClearedText, QStringLiteral("Information!"),
                    platform::MessageStyle::Exclamation);
}

void DataBuffer::Reset() {
    allLines_ = QStringList();
    pageLines_ = QStringList();
}

}  // namespace velmaris::domain
