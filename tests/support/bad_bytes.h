#pragma once

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>

namespace velmaris::testing {

// The bytes of a literal, NULs included.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

// Bytes that look like nothing: every byte value, NULs, lone CRs and LFs, in a fixed order.
inline QByteArray BinaryBytes(int size) {
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245U + 12345U;
        byte = static_cast<char>(state >> 23);
    }
    return bytes;
}

// Writes `bytes`; when there are none, a file of 100 MB that starts with `head` (the rest is a
// hole, so it costs no disk).
inline void Put(const DataFolder& folder, const QString& name, const QByteArray& bytes,
                const QByteArray& head) {
    if (!bytes.isEmpty()) {
        folder.Write(name, bytes);
        return;
    }
    QFile file(folder.FilePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(head) == head.size() &&
                file.resize(qint64{100} * 1024 * 1024));
}

}  // namespace velmaris::testing
