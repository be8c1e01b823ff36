#include "options/options_file.h"

#include "io/text_lines.h"
#include "support/fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmaris::domain {
namespace {

TEST(DecodeLines, LineEndsAndEncodingOfEachLine) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/text-lines.tsv"), 2)) {
        QString lines;
        for (const QString& line : io::DecodeLines(row[0])) {
            lines += line + QLatin1Char('|');
        }
        EXPECT_EQ(lines.toStdString(), row[1].toStdString()) << row[0].toPercentEncoding().data();
    }
}

TEST(LeadingNumber, NumberRule) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/leading-number.tsv"), 2)) {
        const double want = row[1] == "inf"    ? std::numeric_limits<double>::infinity()
                            : row[1] == "-inf" ? -std::numeric_limits<double>::infinity()
                                               : row[1].toDouble();
        EXPECT_EQ(LeadingNumber(QString::fromLatin1(row[0])), want) << row[0].toStdString();
    }
}

// Each row: the file, the value every entry has before, the entries read and the problems told.
TEST(ReadOptionsFile, EntriesReadKeptAndRefused) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("options/options-read.tsv"), 5)) {
        SCOPED_TRACE(row[4].toStdString());
        testing::DataFolder folder;
        if (row[0] != "(none)") {
            folder.Write(kOptionsFileName, row[0]);
        }
        OptionValues values{};
        values.fill(row[1].toFloat());
        OptionValues want = values;
        const QList<QByteArray> entries = row[2].split(' ');
        for (qsizetype i = 0; i < entries.size() && !row[2].isEmpty(); ++i) {
            want[static_cast<std::size_t>(i + 1)] = entries[i].toFloat();
        }
        const OptionsRead read = ReadOptionsFile(folder.Path(), values);
        EXPECT_EQ(read.opened, row[0] != "(none)");
        EXPECT_EQ(values, want);
        EXPECT_EQ(read.problems.join(QLatin1Char('\n')).toStdString(), row[3].toStdString());
    }
}

}  // namespace
}  // namespace velmaris::domain
