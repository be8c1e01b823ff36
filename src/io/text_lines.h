#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

class QFile;

namespace velmaris::io {

// Walks the lines of a text held in memory. A line ends at CR LF, at CR alone or at LF alone;
// a last line without an end is a line too, and a text that ends with a line end has no
// empty line after it.
class LineCursor {
  public:
    explicit LineCursor(QByteArrayView text) : text_(text) {}
    // The next line without its end, or nothing at the end of the text.
    [[nodiscard]] std::optional<QByteArrayView> Next();

  private:
    QByteArrayView text_;
    qsizetype position_ = 0;
};

// Text of one line of a data file: UTF-8 when the bytes are valid UTF-8, else Latin-1, the
// encoding of older files edited on other systems.
[[nodiscard]] QString DecodeLine(QByteArrayView bytes);

// Opens a regular file for reading without ever waiting: a named pipe, a device, a directory
// or a socket in its place is refused at once, as a missing or unreadable file is, and so is
// a symbolic link that leads nowhere or round in a loop. The file type is checked on the file
// opened, so it cannot change between the check and the reading.
// Returns: true with `file` open; false with `file` closed
[[nodiscard]] bool OpenRegularFile(QFile& file, const QString& path);

// Whole contents of a regular file, or nothing when it cannot be opened or read.
[[nodiscard]] std::optional<QByteArray> ReadWholeFile(const QString& path);

// Largest interpretation, help, options or window-settings file that is read. The files that
// come with the program hold less than 40 KB; the limit keeps a page quick to write (each
// interpretation file with an aspect is read afresh for every page) when a file has grown by
// mistake or holds something else.
inline constexpr qint64 kLargestDataFileBytes = qint64{1024} * 1024;

struct DataFileRead {
    std::optional<QByteArray> contents;  // nothing when the file cannot be read or is too large
    bool tooLarge = false;               // it holds more than the limit; nothing of it was kept
};

// Whole contents of a data file of at most `largest` bytes. Never reads more than one byte
// beyond the limit, so a huge file (or a device that never ends) costs no more than a small one.
[[nodiscard]] DataFileRead ReadDataFile(const QString& path,
                                        qint64 largest = kLargestDataFileBytes);

// Every line of a text, decoded line by line (see LineCursor and DecodeLine).
[[nodiscard]] QStringList DecodeLines(QByteArrayView text);

// Message for a data file that was not read because it is too large.
[[nodiscard]] QString DataFileTooLargeText(const QString& name, qint64 largest);

// Path of a data file in the program folder.
[[nodiscard]] QString DataFilePath(const QString& appFolder, const QString& name);

}  // namespace velmaris::io
