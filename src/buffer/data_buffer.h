#pragma once

#include "buffer/notices.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace velmaris::domain {

inline constexpr int kBufferLineLimit = 32767;
inline constexpr int kBufferWarningLineCount = 1000;

// The program's output store: every line written since start-up or the last "Clear all data"
// (AllLines), and the lines of the page now shown (PageLines).
// Each list holds its count of lines; readers that follow the layout of the saved and printed
// output add one empty line after the last stored one (the always-empty slot at index count).
class DataBuffer {
  public:
    explicit DataBuffer(NoticeSink notices) : notices_(std::move(notices)) {}

    [[nodiscard]] const QStringList& AllLines() const { return allLines_; }
    [[nodiscard]] const QStringList& PageLines() const { return pageLines_; }
    [[nodiscard]] int AllLineCount() const { return static_cast<int>(allLines_.size()); }
    [[nodiscard]] int PageLineCount() const { return static_cast<int>(pageLines_.size()); }

    // Starts a new page; the whole buffer keeps its lines.
    void ClearDataBuffer();

    // Appends one line (without line end) to both lists. When either list already holds
    // 32767 lines the line is stored in neither, BufferFull is told, and false is returned.
    bool AppendBufferLine(const QString& text);
    bool AppendBlankLine() { return AppendBufferLine(QString()); }

    // Text of the page as the text area shows it: every page line and the empty slot after
    // them, each followed by CR LF.
    [[nodiscard]] QString PageText() const;

    // Shows the page: nothing while the window is minimised or the whole buffer is empty;
    // otherwise appends a blank line, hands PageText() to `show` and, when the whole buffer
    // holds more than 1000 lines, tells BufferNearlyFull (on every show until the buffer is
    // cleared). Returns whether the page was shown.
    bool ShowDataBuffer(bool minimised, const std::function<void(const QString&)>& show);

    // Empties the whole buffer (not the page on screen) and tells BufferCleared.
    void ClearAllData();

    // Empties both lists without a message, as at start-up.
    void Reset();

  private:
    NoticeSink notices_;
    QStringList allLines_;
    QStringList pageLines_;
};

}  // namespace velmaris::domain
