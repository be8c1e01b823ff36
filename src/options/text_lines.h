#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmaris::domain {

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

// Whole contents of a file, or nothing when it cannot be opened or read.
[[nodiscard]] std::optional<QByteArray> ReadWholeFile(const QString& path);

// Every line of a file, decoded; nothing when it cannot be opened or read.
[[nodiscard]] std::optional<QStringList> ReadTextLines(const QString& path);

// Path of a data file in the program folder.
[[nodiscard]] QString DataFilePath(const QString& appFolder, const QString& name);

}  // namespace velmaris::domain
