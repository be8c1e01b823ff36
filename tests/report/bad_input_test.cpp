// Bad input to the report: damaged interpretation files, and a full buffer while a page or a
// help topic is written. None may crash, hang or flood the user with messages.
#include "report/report_rig.h"
#include "support/bad_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace velmaris::domain {
namespace {

using testing::BinaryBytes;
using testing::Bytes;
using testing::DataFolder;
using testing::kToday;
using testing::Put;

const QString kNul(1, QChar(0));

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
// files these tests write. Each case: the file (none: 100 MB that starts with the entry) and
// the paragraph shown.
TEST(BadDataFiles, InterpretationFile) {
    const std::tuple<const char*, QByteArray, std::optional<QStringList>> cases[] = {
        {"binary data holds no key", BinaryBytes(65536), std::nullopt},
        {"a NUL inside a key line spoils it; NULs in a paragraph are copied",
         Bytes("SUN\x00Square MOON\r\nWrong.\r\n\r\nSUN Square MOON\r\nA\x00"
               "B\r\n\x00\r\n"),
         QStringList{QStringLiteral("A") + kNul + QStringLiteral("B"), kNul}},
        {"a paragraph line of 1 MB", "SUN Square MOON\r\n" + QByteArray(1000000, 'p') + "\r\n",
         QStringList{QString(1000000, QLatin1Char('p'))}},
        {"a file of 100 MB is not read, and said once a page", {}, std::nullopt},
    };
    for (const auto& [label, bytes, paragraph] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        Put(f.folder, QStringLiteral("SUN.TXT"), bytes, "SUN Square MOON\r\nText.\r\n");
        f.Write();
        EXPECT_EQ(SunSquareMoonParagraph(f.buffer.PageLines()), paragraph);
        EXPECT_EQ(f.buffer.PageLines().contains(kNoAspectsLine), !paragraph.has_value());
        EXPECT_EQ(testing::Told(f.messages),
                  bytes.isEmpty() ? "SUN.TXT is larger than 1048576 bytes, so it was not read. The "
                                    "aspects it explains are left out of the report."
                                  : "");
        EXPECT_EQ(f.state.nextReportDay, kToday + 1);
    }
}

TEST(FullBuffer, PagesWrittenAtTheLimitLoseNothingAndDoNotFloodMessages) {
    // SUN.TXT explains the square with a paragraph of 50 lines.
    QByteArray sunText = "SUN Square MOON\r\n";
    for (int i = 1; i <= 50; ++i) {
        sunText += "Paragraph line " + QByteArray::number(i) + "\r\n";
    }
    // The page on an empty buffer: every line the report offers, and the paragraph lines.
    testing::ReportRig free;
    free.folder.Write(QStringLiteral("SUN.TXT"), sunText);
    free.Write();
    const int reportLines = free.buffer.PageLineCount();
    ASSERT_EQ(SunSquareMoonParagraph(free.buffer.PageLines()).value_or(QStringList()).size(), 50);

    // Each case: a report page (else the help topic of 100000 lines), the lines in the buffer
    // before it, the lines it gets into the buffer and the full-buffer messages shown.
    const std::tuple<const char*, bool, int, int, int> cases[] = {
        // The paragraph stops at its first refused line, so its 50 lines give one message;
        // every other line of the page gives its own.
        {"report on a full buffer", true, kBufferLineLimit, 0, reportLines - (50 - 1)},
        // One message for the first refused topic line, one for the closing blank line of the
        // topic and one for the blank line the show adds.
        {"long topic on a full buffer", false, kBufferLineLimit, 0, 3},
        {"long topic fills the buffer, then stops", false, 32000, kBufferLineLimit - 32000, 3},
    };
    for (const auto& [label, report, linesBefore, storedLines, fullMessages] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        f.folder.Write(QStringLiteral("SUN.TXT"), sunText);
        f.folder.Write(QStringLiteral("HINTS.HLP"), QByteArray("t\r\n").repeated(100000));
        for (int i = 0; i < linesBefore; ++i) {
            f.buffer.AppendBufferLine(QStringLiteral("old %1").arg(i));
        }
        const QStringList before = f.buffer.AllLines();
        if (report) {
            f.buffer.ClearDataBuffer();
            f.Write();
            EXPECT_EQ(f.state.nextReportDay, kToday + 1);
        } else {
            EXPECT_TRUE(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                           f.textArea, f.messages));
            EXPECT_EQ(f.textArea.text.count(QStringLiteral("\r\n")), storedLines + 1);
        }
        EXPECT_EQ(f.buffer.AllLineCount(), linesBefore + storedLines);
        EXPECT_EQ(f.buffer.AllLines().mid(0, linesBefore), before);
        EXPECT_EQ(f.buffer.PageLineCount(), storedLines);
        EXPECT_EQ(f.messages.CountOf(session::kBufferFullText), fullMessages);
    }
}

}  // namespace
}  // namespace velmaris::domain
