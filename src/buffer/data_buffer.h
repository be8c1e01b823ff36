#pragma once

#include "platform/message_boxes.h"

#include <QString>
#include <QStringList>

namespace velmaris::platform {
class TextArea;
}

namespace velmaris::domain {

inline constexpr int kBufferLineLimit = 32767;
inline constexpr int kBufferWarningLineCount = 1000;

inline const QString kBufferFullText = QStringLiteral(
    "Buffer cannot hold any more data. Please print and/or clear data buffer before displaying "
    "any more data. This message may appear up to 35 times depending on how full the buffer is "
    "and how much the program wants to write to it.");
inline const QString kBufferNearlyFullText = QStringLiteral(
    "The data buffer is nearly full. Please consider clearing the data buffer by clicking on the "
    "'Clear all data' menu item.");
inline const QString kBufferClearedText = QStringLiteral("All data cleared from buffer.");

// The program's output store: every line written since start-up or the last "Clear all data"
// (AllLines), and the lines of the page now shown (PageLines).
// Each list holds its count of lines; readers that follow the layout of the saved and printed
// output add one empty line after the last stored one (the always-empty slot at index count).
class DataBuffer {
  public:
    explicit DataBuffer(platform::MessageBoxes& messages) : messages_(&messages) {}

    [[nodiscard]] const QStringList& AllLines() const { return allLines_; }
    [[nodiscard]] const QStringList& PageLines() const { return pageLines_; }
    [[nodiscard]] int AllLineCount() const { return static_cast<int>(allLines_.size()); }
    [[nodiscard]] int PageLineCount() const { return static_cast<int>(pageLines_.size()); }

    // Starts a new page; the whole buffer keeps its lines.
    void ClearDataBuffer();

    // Appends one line (without line end) to both lists. When either list already holds
    // 32767 lines the line is stored in neither, the full-buffer message is shown, and false
    // is returned.
    bool AppendBufferLine(const QString& text);
    bool AppendBlankLine() { return AppendBufferLine(QString()); }

    // Text of the page as the text area shows it: every page line and the empty slot after
    // them, each followed by CR LF.
    [[nodiscard]] QString PageText() const;

    // Shows the page: nothing while the window is minimised or the whole buffer is empty;
    // otherwise appends a blank line, replaces the text area's text with PageText() and, when
    // the whole buffer holds more than 1000 lines, shows the nearly-full warning (on every
    // show until the buffer is cleared). Returns whether the page was shown.
    bool ShowDataBuffer(platform::TextArea& textArea);

    // Empties the whole buffer (not the page on screen) and confirms it to the user.
    void ClearAllData();

    // Empties both lists without a message, as at start-up.
    void Reset();

  private:
    platform::MessageBoxes* messages_;
    QStringList allLines_;
    QStringList pageLines_;
};

}  // namespace velmaris::domain
