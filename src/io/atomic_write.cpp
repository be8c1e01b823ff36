#include "io/atomic_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace velmaris::io {

WriteResult WriteFileAtomically(const QString& path, const QByteArray& contents) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return {false, QStringLiteral("it is a folder")};
    }
    if (info.exists() && !info.isFile()) {
        // A device or a named pipe cannot be replaced by renaming, and must not be: write to it
        // in place and report what it says. A pipe that nobody reads would make the open wait
        // for ever, so it is opened without waiting, which fails at once when it has no reader.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            return {false, errno == ENXIO ? QStringLiteral("it is a pipe that nothing reads")
                                          : QString::fromLocal8Bit(std::strerror(errno))};
        }
        struct stat status {};
        if (::fstat(fd, &status) != 0 || !(S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
            ::close(fd);
            return {false, QStringLiteral("it is not a file that can be written")};
        }
        // With a reader there, the writes may wait for it as any pipe's writes do.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        QFile device;
        if (!device.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return {false, device.errorString()};
        }
        if (device.write(contents) != contents.size() || !device.flush()) {
            return {false, device.errorString()};
        }
        return {true, {}};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, file.errorString()};
    }
    // A short text may still sit in the file's write buffer; flushing it here makes a full disk
    // fail now, before commit() could rename an empty file over the old one.
    if (file.write(contents) != contents.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit()) {
        return {false, file.errorString()};
    }
    return {true, {}};
}

}  // namespace velmaris::io
