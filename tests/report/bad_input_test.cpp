// Bad input to the report: damaged interpretation files, and a full buffer while a page or a
// help topic is written. None may crash, hang or flood the user with messages.
#include "report/report_rig.h"
#include "support/bad_bytes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <optional>

namespace velmaris::domain {
namespace {

using testing::BinaryBytes;
using testing::kToday;
using testing::Put;

// The lines after the aspect line of SUN Square MOON, up to the blank line after them.
std::optional<QStringList> SunSquareMoonParagraph(const QStringList& page) {
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page[i].startsWith(QStringLiteral("     SUN Square MOON "))) {
            return page.mid(i + 1, page.indexOf(QString(), i + 1) - i - 1);
        }
    }
    return std::nullopt;
}

// The golden sky asks SUN.TXT for nine aspects of the Sun; only SUN Square MOON is in the
// files of tests/data/report/bad-interpretations.tsv.
TEST(BadDataFiles, InterpretationFile) {
    const QByteArray longLine(1000000, 'p');
    for (QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/bad-interpretations.tsv"), 4)) {
        SCOPED_TRACE(row[0].toStdString());
        testing::ReportRig f;
        const QByteArray bytes = row[1] == "(binary)"   ? BinaryBytes(65536)
                                 : row[1] == "(100 MB)" ? QByteArray()
                                                        : row[1].replace("(1 MB)", longLine);
        Put(f.folder, QStringLiteral("SUN.TXT"), bytes, "SUN Square MOON\r\nText.\r\n");
        f.Write();
        const std::optional<QStringList> paragraph = SunSquareMoonParagraph(f.buffer.PageLines());
        EXPECT_EQ(paragraph ? paragraph->join(QLatin1Char('|')).toUtf8() : "(none)",
                  row[2].replace("(1 MB)", longLine));
        EXPECT_EQ(f.buffer.PageLines().contains(kNoAspectsLine), !paragraph.has_value());
        EXPECT_EQ(f.messages.Texts(), row[3].toStdString());
        EXPECT_EQ(f.state.nextReportDay, kToday + 1);
    }
}

// Each case of tests/data/report/full-buffer.tsv: a report page, where SUN.TXT explains the
// square with a paragraph of 50 lines, or a help topic of 100000 lines, written after some lines.
TEST(FullBuffer, PagesWrittenAtTheLimitLoseNothingAndDoNotFloodMessages) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("report/full-buffer.tsv"), 5)) {
        SCOPED_TRACE(row[0].toStdString());
        testing::ReportRig f;
        f.folder.Write(QStringLiteral("SUN.TXT"),
                       testing::Golden(QStringLiteral("report/sun-50.txt")));
        f.folder.Write(QStringLiteral("HINTS.HLP"), QByteArray("t\r\n").repeated(100000));
        for (int i = 0; i < row[2].toInt(); ++i) {
            f.buffer.AppendBufferLine(QStringLiteral("old %1").arg(i));
        }
        const QStringList before = f.buffer.AllLines();
        if (row[1] == "report") {
            f.buffer.ClearDataBuffer();
            f.Write();
            EXPECT_EQ(f.state.nextReportDay, kToday + 1);
        } else {
            EXPECT_TRUE(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                           f.textArea, f.messages));
        }
        EXPECT_EQ(f.buffer.AllLines(), before + f.buffer.PageLines());
        EXPECT_EQ(f.buffer.PageLineCount(), row[3].toInt());
        EXPECT_EQ(f.messages.CountOf(session::kBufferFullText), row[4].toInt());
    }
}

}  // namespace
}  // namespace velmaris::domain
