#include "io/text_lines.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmaris::io {

std::optional<QByteArrayView> LineCursor::Next() {
    const qsizetype size = text_.size();
    if (position_ >= size) {
        return std::nullopt;
    }
    const qsizetype start = position_;
    qsizetype end = start;
    while (end < size && text_[end] != '\r' && text_[end] != '\n') {
        ++end;
    }
    position_ = end;
    if (position_ < size) {
        if (text_[position_] == '\r' && position_ + 1 < size && text_[position_ + 1] == '\n') {
            position_ += 2;
        } else {
            position_ += 1;
        }
    }
    return text_.sliced(start, end - start);
}

QString DecodeLine(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return QString::fromLatin1(bytes);
    }
    return text;
}

bool OpenRegularFile(QFile& file, const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    // O_NONBLOCK: opening a named pipe that has no writer would otherwise wait for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    // Reading a regular file never waits; the flag is cleared all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return std::nullopt;
    }
    QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return contents;
}

DataFileRead ReadDataFile(const QString& path, qint64 largest) {
    DataFileRead read;
    QFile file;
    if (!OpenRegularFile(file, path)) {
        return read;
    }
    QByteArray contents;
    while (contents.size() <= largest) {
        const QByteArray chunk = file.read(largest + 1 - contents.size());
        if (chunk.isEmpty()) {
            break;
        }
        contents += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        return read;
    }
    if (contents.size() > largest) {
        read.tooLarge = true;
        return read;
    }
    read.contents = std::move(contents);
    return read;
}

QStringList DecodeLines(QByteArrayView text) {
    QStringList lines;
    LineCursor cursor(text);
    while (const std::optional<QByteArrayView> line = cursor.Next()) {
        lines.append(DecodeLine(*line));
    }
    return lines;
}

QString DataFileTooLargeText(const QString& name, qint64 largest) {
    return QStringLiteral("%1 is larger than %2 bytes, so it was not read.").arg(name).arg(largest);
}

QString DataFilePath(const QString& appFolder, const QString& name) {
    return QDir(appFolder).filePath(name);
}

}  // namespace velmaris::io
