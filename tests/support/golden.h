#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace velmaris::testing {

// Expected pages, listings and files kept in tests/data.
inline QByteArray Golden(const QString& relativePath) {
    QFile file(QStringLiteral(VELMARIS_TEST_DATA_DIR "/") + relativePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    return file.readAll();
}

// Compares with the golden file; on a difference the actual bytes are written beside the test
// (the working folder, under the golden file's name with ".actual"), to look at or to copy.
inline void ExpectGolden(const QByteArray& actual, const QString& relativePath) {
    const QByteArray expected = Golden(relativePath);
    if (actual != expected) {
        QFile out(QFileInfo(relativePath).fileName() + QStringLiteral(".actual"));
        if (out.open(QIODevice::WriteOnly)) {
            out.write(actual);
        }
    }
    EXPECT_EQ(actual.toStdString(), expected.toStdString()) << relativePath.toStdString();
}

}  // namespace velmaris::testing
