#include "buffer/data_buffer.h"

namespace velmaris::domain {

void DataBuffer::ClearDataBuffer() {
    pageLines_.clear();
}

bool DataBuffer::AppendBufferLine(const QString& text) {
    // Both lists are checked before either is touched, so a refused line leaves them in step.
    if (AllLineCount() >= kBufferLineLimit || PageLineCount() >= kBufferLineLimit) {
        notices_({NoticeKind::BufferFull, {}});
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

bool DataBuffer::ShowDataBuffer(bool minimised, const std::function<void(const QString&)>& show) {
    if (minimised || AllLineCount() == 0) {
        return false;
    }
    AppendBlankLine();
    show(PageText());
    if (AllLineCount() > kBufferWarningLineCount) {
        notices_({NoticeKind::BufferNearlyFull, {}});
    }
    return true;
}

void DataBuffer::ClearAllData() {
    allLines_ = QStringList();
    notices_({NoticeKind::BufferCleared, {}});
}

void DataBuffer::Reset() {
    allLines_ = QStringList();
    pageLines_ = QStringList();
}

}  // namespace velmaris::domain
