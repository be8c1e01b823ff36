#include "help/help_topic.h"

#include "buffer/data_buffer.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace velmaris::domain {
namespace {

using testing::DataFolder;
using testing::RecordingMessages;
using testing::RecordingTextArea;

TEST(HelpTopics, EveryMenuItemNamesItsFile) {
    // The Help menu's items and their files, typed from the topic list.
    const std::pair<const char*, const char*> want[] = {
        {"mnuMainMenuHelp", "VELMARIS.HLP"}, {"mnuHelpOptions", "OPTIONS.HLP"},
        {"mnuHelpPrntfile", "PRNTFILE.HLP"}, {"mnuHelpInterpretations", "INTERPS.HLP"},
        {"mnuHelpHints", "HINTS.HLP"},       {"mnuHelpRevisions", "REVISION.HLP"},
        {"mnuPhilosophyHelp", "PHILO.HLP"},  {"mnuHelpLicense", "LICENSE.HLP"},
        {"mnuHelpUpgrades", "UPGRADES.HLP"},
    };
    ASSERT_EQ(kHelpTopics.size(), std::size(want));
    for (std::size_t i = 0; i < kHelpTopics.size(); ++i) {
        SCOPED_TRACE(want[i].first);
        EXPECT_STREQ(kHelpTopics[i].menuName, want[i].first);
        EXPECT_STREQ(kHelpTopics[i].fileName, want[i].second);
    }
}

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
        {"no line end at the end", "one\r\ntwo", {"one", "two"}},
        {"empty file", "", {}},
        {"Latin-1 text", "caf\xe9\r\n", {QStringLiteral("caf\u00e9")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        DataFolder folder;
        folder.Write(QStringLiteral("HINTS.HLP"), c.file);
        RecordingMessages messages;
        RecordingTextArea area;
        DataBuffer buffer(messages);
        buffer.AppendBufferLine(QStringLiteral("an earlier page"));

        ASSERT_TRUE(
            ShowHelpTopic(folder.Path(), QStringLiteral("HINTS.HLP"), buffer, area, messages));

        // The topic's lines, the blank line the topic ends with and the one the show adds.
        QStringList page = c.lines;
        page << QString() << QString();
        EXPECT_EQ(buffer.PageLines(), page);
        EXPECT_EQ(buffer.AllLines(), QStringList{QStringLiteral("an earlier page")} + page);
        QString shown;
        for (const QString& line : page) {
            shown += line + QStringLiteral("\r\n");
        }
        shown += QStringLiteral("\r\n");
        EXPECT_EQ(area.text, shown);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(ShowHelpTopic, MissingFileChangesNothing) {
    DataFolder folder;
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(messages);
    buffer.AppendBufferLine(QStringLiteral("page line"));
    buffer.ShowDataBuffer(area);
    const QStringList pageBefore = buffer.PageLines();
    const QStringList allBefore = buffer.AllLines();
    const QString textBefore = area.text;
    const int setsBefore = area.setCount;

    EXPECT_FALSE(
        ShowHelpTopic(folder.Path(), QStringLiteral("UPGRADES.HLP"), buffer, area, messages));
    EXPECT_EQ(buffer.PageLines(), pageBefore);
    EXPECT_EQ(buffer.AllLines(), allBefore);
    EXPECT_EQ(area.text, textBefore);
    EXPECT_EQ(area.setCount, setsBefore);
}

TEST(ShowHelpTopic, MinimisedWindowKeepsTheTopicInTheBuffer) {
    DataFolder folder;
    folder.Write(QStringLiteral("PHILO.HLP"), "text\r\n");
    RecordingMessages messages;
    RecordingTextArea area;
    area.minimised = true;
    DataBuffer buffer(messages);

    EXPECT_TRUE(ShowHelpTopic(folder.Path(), QStringLiteral("PHILO.HLP"), buffer, area, messages));
    // The page is written but not shown, so no blank line is added for the show.
    EXPECT_EQ(buffer.PageLines(), (QStringList{QStringLiteral("text"), QString()}));
    EXPECT_EQ(area.setCount, 0);
}

}  // namespace
}  // namespace velmaris::domain
