#include "io/atomic_write.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmaris::io {

WriteResult WriteFileAtomically(const QString& path, const QByteArray& contents) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        // A device or other special file cannot be replaced by renaming, and must not be: write
        // to it in place and report what it says.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly) || device.write(contents) != contents.size() ||
            !device.flush()) {
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
