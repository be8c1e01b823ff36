#include "buffer/data_buffer.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

namespace velmaris::domain {
namespace {

using testing::RecordingMessages;
using testing::RecordingTextArea;

void Fill(DataBuffer& buffer, int lines) {
    for (int i = 0; i < lines; ++i) {
        buffer.AppendBufferLine(QString::number(i));
    }
}

TEST(DataBuffer, PageAndWholeBufferKeptSideBySide) {
    RecordingMessages messages;
    DataBuffer buffer(messages);
    buffer.AppendBufferLine(QStringLiteral("a"));
    buffer.AppendBlankLine();
    buffer.ClearDataBuffer();
    buffer.AppendBufferLine(QStringLiteral("b"));
    EXPECT_EQ(buffer.AllLines(),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(buffer.PageLines(), QStringList{QStringLiteral("b")});
    EXPECT_EQ(buffer.AllLineCount(), 3);
    EXPECT_EQ(buffer.PageLineCount(), 1);

    buffer.ClearAllData();
    EXPECT_EQ(buffer.AllLineCount(), 0);
    EXPECT_EQ(buffer.PageLines(), QStringList{QStringLiteral("b")});
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text.toStdString(), "All data cleared from buffer.");
    EXPECT_EQ(messages.shown[0].title.toStdString(), "Information!");
    EXPECT_EQ(messages.shown[0].style, platform::MessageStyle::Exclamation);
}

TEST(DataBuffer, ShowAppendsBlankLineAndOneMoreCrLf) {
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(messages);
    buffer.AppendBufferLine(QStringLiteral("one"));
    buffer.AppendBufferLine(QStringLiteral("  two"));
    ASSERT_TRUE(buffer.ShowDataBuffer(area));
    EXPECT_EQ(area.text.toStdString(), "one\r\n  two\r\n\r\n\r\n");
    EXPECT_EQ(buffer.PageLineCount(), 3);
    EXPECT_EQ(buffer.AllLineCount(), 3);
}

TEST(DataBuffer, ShowDoesNothingWhileMinimisedOrEmpty) {
    struct Case {
        const char* label;
        bool minimised;
        int lines;
    };
    const Case cases[] = {{"minimised", true, 3}, {"empty buffer", false, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RecordingMessages messages;
        RecordingTextArea area;
        area.minimised = c.minimised;
        area.text = QStringLiteral("old");
        DataBuffer buffer(messages);
        Fill(buffer, c.lines);
        EXPECT_FALSE(buffer.ShowDataBuffer(area));
        EXPECT_EQ(area.text.toStdString(), "old");
        EXPECT_EQ(buffer.AllLineCount(), c.lines);
    }
}

// After "Clear all data" the page is still there but the whole buffer is empty: nothing shown.
TEST(DataBuffer, ShowAfterClearAllDataDoesNothing) {
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(messages);
    Fill(buffer, 2);
    buffer.ClearAllData();
    EXPECT_FALSE(buffer.ShowDataBuffer(area));
    EXPECT_EQ(area.setCount, 0);
}

TEST(DataBuffer, NearlyFullWarningAbove1000Lines) {
    struct Case {
        int linesBeforeShow;  // the show adds one
        int warnings;
    };
    const Case cases[] = {{998, 0}, {999, 0}, {1000, 1}, {5000, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.linesBeforeShow);
        RecordingMessages messages;
        RecordingTextArea area;
        DataBuffer buffer(messages);
        Fill(buffer, c.linesBeforeShow);
        buffer.ShowDataBuffer(area);
        EXPECT_EQ(messages.CountOf(kBufferNearlyFullText), c.warnings);
        if (c.warnings > 0) {
            EXPECT_EQ(messages.shown.back().title.toStdString(), "Warning!");
            EXPECT_EQ(messages.shown.back().style, platform::MessageStyle::Information);
        }
    }
}

TEST(DataBuffer, NearlyFullWarningRepeatsOnEveryShow) {
    RecordingMessages messages;
    RecordingTextArea area;
    DataBuffer buffer(messages);
    Fill(buffer, 1000);
    buffer.ShowDataBuffer(area);
    buffer.ClearDataBuffer();
    buffer.AppendBufferLine(QStringLiteral("next page"));
    buffer.ShowDataBuffer(area);
    EXPECT_EQ(messages.CountOf(kBufferNearlyFullText), 2);
}

TEST(DataBuffer, FullBufferRefusesEveryLineWithOneMessageEach) {
    RecordingMessages messages;
    DataBuffer buffer(messages);
    Fill(buffer, kBufferLineLimit - 1);
    EXPECT_TRUE(buffer.AppendBufferLine(QStringLiteral("last that fits")));
    EXPECT_EQ(buffer.AllLineCount(), 32767);
    EXPECT_TRUE(messages.shown.empty());

    buffer.ClearDataBuffer();
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(buffer.AppendBufferLine(QStringLiteral("refused")));
    }
    EXPECT_EQ(buffer.AllLineCount(), 32767);
    EXPECT_EQ(buffer.PageLineCount(), 0);
    EXPECT_EQ(buffer.AllLines().back().toStdString(), "last that fits");
    EXPECT_EQ(messages.CountOf(kBufferFullText), 20);
    EXPECT_EQ(messages.shown.front().title.toStdString(), "Warning!");
    EXPECT_EQ(messages.shown.front().style, platform::MessageStyle::Critical);
}

// The page can outgrow the whole buffer after "Clear all data"; a full page refuses too, and
// neither list then takes the line, so they never drift apart.
TEST(DataBuffer, FullPageRefusesWithoutTouchingWholeBuffer) {
    RecordingMessages messages;
    DataBuffer buffer(messages);
    Fill(buffer, kBufferLineLimit);
    buffer.ClearAllData();
    EXPECT_FALSE(buffer.AppendBufferLine(QStringLiteral("refused")));
    EXPECT_EQ(buffer.AllLineCount(), 0);
    EXPECT_EQ(buffer.PageLineCount(), 32767);
    EXPECT_EQ(messages.CountOf(kBufferFullText), 1);
}

}  // namespace
}  // namespace velmaris::domain
