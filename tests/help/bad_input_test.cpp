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

// Each case: the file (none: 100 MB) and the topic's lines, nothing when it is not shown.
TEST(BadDataFiles, HelpTopicFile) {
    const QByteArray binary = BinaryBytes(65536);
    const std::tuple<const char*, QByteArray, std::optional<QStringList>> cases[] = {
        {"NUL bytes are kept",
         Bytes("a\x00"
               "b\r\n\x00\r\n"),
         QStringList{QStringLiteral("a") + kNul + QStringLiteral("b"), kNul}},
        {"a line of 1 MB", QByteArray(1000000, 'h') + "\r\nend",
         QStringList{QString(1000000, QLatin1Char('h')), QStringLiteral("end")}},
        {"a file of 100 MB is not shown", {}, std::nullopt},
        {"binary data is shown as lines", binary, QStringList()},
    };
    for (const auto& [label, bytes, lines] : cases) {
        SCOPED_TRACE(label);
        testing::ReportRig f;
        Put(f.folder, QStringLiteral("HINTS.HLP"), bytes, "Hints\r\n");
        f.buffer.AppendBufferLine(QStringLiteral("the page before"));
        testing::ShowPage(f.buffer, f.textArea);
        const QString before = f.textArea.text;

        EXPECT_EQ(testing::ShowTopic(f.folder.Path(), QStringLiteral("HINTS.HLP"), f.buffer,
                                     f.textArea, f.messages),
                  lines.has_value());
        ASSERT_EQ(f.messages.shown.size(), lines ? 0U : 1U);
        if (bytes == binary) {
            // Shown as lines, none holding a line end.
            EXPECT_GT(f.buffer.PageLineCount(), 100);
            for (const QString& line : f.buffer.PageLines()) {
                EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')));
            }
        } else if (lines) {
            EXPECT_EQ(f.buffer.PageLines(), *lines + QStringList(2, QString()));
        } else {
            EXPECT_EQ(f.textArea.text, before);
            EXPECT_EQ(f.buffer.AllLineCount(), 2);
            EXPECT_EQ(f.messages.shown[0].text.toStdString(),
                      "HINTS.HLP is larger than 1048576 bytes, so it was not read.");
        }
    }
}

}  // namespace
}  // namespace velmaris::domain
