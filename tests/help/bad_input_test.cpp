// Binary data, NUL bytes, very long lines and huge files in place of a help topic.
#include "help/help_topic.h"
#include "report/report_rig.h"
#include "support/bad_bytes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmaris::domain {
namespace {

const QString kHints = QStringLiteral("HINTS.HLP");

// A help topic is a new page of the file's lines, one blank line and the one the show adds.
// Each case: the file, the topic's lines each followed by "|" ("(not shown)" when it is not
// shown, "(binary)" for lines of binary data) and the messages told. A topic not shown leaves
// the page on screen (the text area is not set again) and the buffer as they were.
TEST(HelpTopic, ShownAsAPageOrNotAtAll) {
    std::vector<QList<QByteArray>> cases = testing::ReadTable(QStringLiteral("help/topics.tsv"), 4);
    cases.push_back({QByteArray(1000000, 'h') + "\r\nend", QByteArray(1000000, 'h') + "|end|", "",
                     "a line of 1 MB"});
    cases.push_back({testing::BinaryBytes(65536), "(binary)", "", "binary data is shown as lines"});
    for (const QList<QByteArray>& c : cases) {
        SCOPED_TRACE(c[3].toStdString());
        testing::ReportRig f;
        if (c[0] == "(100 MB)") {
            testing::Put(f.folder, kHints, {}, "Hints\r\n");
        } else if (c[0] != "(none)") {
            f.folder.Write(kHints, c[0]);
        }
        f.buffer.AppendBufferLine(QStringLiteral("the page before"));
        testing::ShowPage(f.buffer, f.textArea);
        const int setsBefore = f.textArea.setCount;

        const bool shown = c[1] != "(not shown)";
        EXPECT_EQ(testing::ShowTopic(f.folder.Path(), kHints, f.buffer, f.textArea, f.messages),
                  shown);
        EXPECT_EQ(f.messages.Texts(), c[2].toStdString());
        if (c[1] == "(binary)") {
            // Shown as lines, none holding a line end.
            EXPECT_GT(f.buffer.PageLineCount(), 100);
            const QString lines = f.buffer.PageLines().join(QString());
            EXPECT_FALSE(lines.contains(QLatin1Char('\r')) || lines.contains(QLatin1Char('\n')));
        } else if (shown) {
            const QStringList page = QString::fromUtf8(c[1]).split(QLatin1Char('|')) << QString();
            EXPECT_EQ(f.buffer.PageLines(), page);
            EXPECT_EQ(f.buffer.AllLines(), QStringList({"the page before", ""}) + page);
        } else {
            EXPECT_EQ(f.textArea.setCount, setsBefore);
            EXPECT_EQ(f.buffer.AllLineCount(), 2);
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
