#pragma once

// The data files beside the tests: tables of cases and golden files of expected output, in
// tests/data.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <vector>

namespace velmaris::testing {

// Decodes the escapes a table cell may hold: \t \r \n \f \\ and \xHH for any byte.
inline QByteArray Unescape(const QByteArray& cell) {
    QByteArray bytes;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            bytes += cell[i];
            continue;
        }
        const char next = cell[++i];
        if (next == 'x' && i + 2 < cell.size()) {
            bytes += static_cast<char>(cell.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            const auto at = QByteArray("trnf").indexOf(next);
            bytes += at >= 0 ? "\t\r\n\f"[at] : next;
        }
    }
    return bytes;
}

// The rows of a tab-separated table in tests/data, each with its cells unescaped. Empty lines
// and lines starting with '#' are skipped; a row without `columns` cells fails the test.
inline std::vector<QList<QByteArray>> ReadTable(const QString& relativePath, int columns) {
    std::vector<QList<QByteArray>> rows;
    QFile file(QStringLiteral(VELMARIS_TEST_DATA_DIR "/") + relativePath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relativePath.toStdString();
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        QList<QByteArray> cells = line.split('\t');
        EXPECT_EQ(cells.size(), columns) << line.toStdString();
        for (QByteArray& cell : cells) {
            cell = Unescape(cell);
        }
        cells.resize(columns);
        rows.push_back(cells);
    }
    EXPECT_FALSE(rows.empty()) << relativePath.toStdString();
    return rows;
}

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
