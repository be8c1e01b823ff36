// Binary data, NUL bytes, very long lines and huge files in place of a help topic.
#include "help/help_topic.h"
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
using testing::Put;

const QString kNul(1, QChar(0));

// A help topic is a new page of the file's lines, one blank line and the one the show adds.
// Each case: the file (none: 100 MB; "missing": no file; "empty": no bytes), the topic's lines
// (nothing when it is not shown) and the message (empty for none). A topic not shown leaves the
// page on screen and the buffer as they were.
TEST(HelpTopic, ShownAsAPageOrNotAtAll) {
    const QByteArray binary = BinaryBytes(65536);
    const QByteArray missing = "missing";
    const QByteArray empty = "empty";
    const std::tuple<const char*, QByteArray, std::optional<QStringList>, const char*> cases[] = {
        {"CR LF lines", "First line\r\n  indented\r\n\r\nlast\r\n",
         QStringList{"First line", "  indented", "", "last"}, ""},
        {"an empty file", empty, QStringList(), ""},
        {"Latin-1 text", "caf\xe9\r\n", QStringList{QStringLiteral("caf\u00e9")}, ""},
        {"NUL bytes are kept",
         Bytes("a\x00"
               "b\r\n\x00\r\n"),
         QStringList{QStringLiteral("a") + kNul + QStringLiteral("b"), kNul}, ""},
        {"a line of 1 MB", QByteArray(1000000, 'h') + "\r\nend",
         QStringList{QString(1000000, QLatin1Char('h')), QStringLiteral("end")}, ""},
        {"a file of 100 MB is not shown",
         {},
         std::nullopt,
         "HINTS.HLP is larger than 1048576 bytes, so it was not read."},
        {"a missing file is not shown", missing, std::nullopt, ""},
        {"binary data is shown as lines", binary, QStringList(), ""},
    };
    for (const auto& [label, bytes, lines, message] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        if (bytes == empty) {
            f.folder.Write(QStringLiteral("HINTS.HLP"), QByteArray());
        } else if (bytes != missing) {
            Put(f.folder, QStringLiteral("HINTS.HLP"), bytes, "Hints\r\n");
        }
        f.buffer.AppendBufferLine(QStringLiteral("the page before"));
        testing::ShowPage(f.buffer, f.textArea);
        const QString before = f.textArea.text;
        const int setsBefore = f.textArea.setCount;

        EXPECT_EQ(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                     f.textArea, f.messages),
                  lines.has_value());
        ASSERT_EQ(f.messages.shown.size(), *message == 0 ? 0U : 1U);
        if (*message != 0) {
            EXPECT_EQ(f.messages.shown[0].text.toStdString(), message);
        }
        if (bytes == binary) {
            // Shown as lines, none holding a line end.
            EXPECT_GT(f.buffer.PageLineCount(), 100);
            for (const QString& line : f.buffer.PageLines()) {
                EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
            }
        } else if (lines) {
            const QStringList page = *lines + QStringList(2, QString());
            EXPECT_EQ(f.buffer.PageLines(), page);
            EXPECT_EQ(f.buffer.AllLines(), QStringList({"the page before", ""}) + page);
            EXPECT_EQ(f.textArea.text,
                      page.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n"));
        } else {
            EXPECT_EQ(f.textArea.text, before);
            EXPECT_EQ(f.textArea.setCount, setsBefore);
            EXPECT_EQ(f.buffer.AllLineCount(), 2);
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
