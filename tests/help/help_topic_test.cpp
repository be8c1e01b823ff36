// Which menu item shows which file is checked through the Help menu in the app tests.
#include "help/help_topic.h"

#include "buffer/data_buffer.h"
#include "support/buffer_rig.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace velmaris::domain {
namespace {

using testing::DataFolder;
using testing::RecordingMessages;
using testing::RecordingTextArea;

TEST(ShowHelpTopic, ShowsTheFileAsAPage) {
    struct Case {
        const char* label;
        QByteArray file;
        QStringList lines;
    };
    const Case cases[] = {
        {"CR LF lines",
         "First line\r\n  indented\r\n\r\nlast\r\n",
         {"First line", "  indented", "", "last"}},
        {"empty file", "", {}},
        {"Latin-1 text", "caf\xe9\r\n", {QStringLiteral("caf\u00e9")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(QStringLiteral("HINTS.HLP"), c.file);
        RecordingMessages messages;
        RecordingTextArea area;
        DataBuffer buffer(session::NoticesTo(messages));
        buffer.AppendBufferLine(QStringLiteral("an earlier page"));

        ASSERT_TRUE(
            testing::ShowTopic(folder.Path(), QStringLiteral("HINTS.HLP"), buffer, area, messages));

        // The topic's lines, the blank line the topic ends with and the one the show adds.
        const QStringList page = c.lines + QStringList{QString(), QString()};
        EXPECT_EQ(buffer.PageLines(), page);
        EXPECT_EQ(buffer.AllLines(), QStringList{QStringLiteral("an earlier page")} + page);
        EXPECT_EQ(area.text, page.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n"));
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(ShowHelpTopic, MissingFileChangesNothing) {
    DataFolder folder;
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(session::NoticesTo(messages));
    buffer.AppendBufferLine(QStringLiteral("page line"));
    testing::ShowPage(buffer, area);
    const QStringList pageBefore = buffer.PageLines();
    const QStringList allBefore = buffer.AllLines();
    const QString textBefore = area.text;
    const int setsBefore = area.setCount;

    EXPECT_FALSE(
        testing::ShowTopic(folder.Path(), QStringLiteral("UPGRADES.HLP"), buffer, area, messages));
    EXPECT_EQ(buffer.PageLines(), pageBefore);
    EXPECT_EQ(buffer.AllLines(), allBefore);
    EXPECT_EQ(area.text, textBefore);
    EXPECT_EQ(area.setCount, setsBefore);
}

}  // namespace
}  // namespace velmaris::domain
