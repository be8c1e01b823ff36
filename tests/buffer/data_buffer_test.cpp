#include "buffer/data_buffer.h"
#include "support/buffer_rig.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string_view>

namespace velmaris::domain {
namespace {

struct Rig {
    testing::RecordingMessages messages;
    testing::RecordingTextArea area;
    DataBuffer buffer{session::NoticesTo(messages)};

    void Fill(int lines) {
        for (int i = 0; i < lines; ++i) {
            buffer.AppendBufferLine(QString::number(i));
        }
    }
};

// Showing writes the page with CR LF line ends and adds a blank line to both lists, and the
// text one more line end.
TEST(DataBuffer, PageAndWholeBufferKeptSideBySide) {
    Rig f;
    f.buffer.AppendBufferLine(QStringLiteral("a"));
    f.buffer.AppendBlankLine();
    f.buffer.ClearDataBuffer();
    f.buffer.AppendBufferLine(QStringLiteral("  b"));
    f.buffer.AppendBufferLine(QStringLiteral("c"));
    ASSERT_TRUE(testing::ShowPage(f.buffer, f.area));
    EXPECT_EQ(f.area.text.toStdString(), "  b\r\nc\r\n\r\n\r\n");
    EXPECT_EQ(f.buffer.AllLines(), (QStringList{"a", "", "  b", "c", ""}));
    const QStringList page{"  b", "c", ""};
    EXPECT_EQ(f.buffer.PageLines(), page);

    f.buffer.ClearAllData();
    EXPECT_EQ(f.buffer.AllLineCount(), 0);
    EXPECT_EQ(f.buffer.PageLines(), page);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text.toStdString(), "All data cleared from buffer.");
    EXPECT_EQ(f.messages.shown[0].title.toStdString(), "Information!");
    EXPECT_EQ(f.messages.shown[0].style, platform::MessageStyle::Exclamation);
}

// Nothing is shown while minimised, or when the whole buffer is empty, also after "Clear all
// data" while the page is still there.
TEST(DataBuffer, ShowDoesNothingWhileMinimisedOrEmpty) {
    for (const std::string_view c : {"minimised", "empty", "cleared"}) {
        SCOPED_TRACE(c);
        Rig f;
        f.area.minimised = c == "minimised";
        f.Fill(c == "empty" ? 0 : 3);
        if (c == "cleared") {
            f.buffer.ClearAllData();
        }
        EXPECT_FALSE(testing::ShowPage(f.buffer, f.area));
        EXPECT_EQ(f.area.setCount, 0);
        EXPECT_EQ(f.buffer.AllLineCount(), c == "minimised" ? 3 : 0);
    }
}

// Above 1000 lines every show warns (the show adds a line), until the buffer is cleared.
TEST(DataBuffer, NearlyFullWarningAbove1000Lines) {
    for (const auto& [linesBeforeShow, warnings] : {std::pair{999, 0}, {1000, 1}, {5000, 1}}) {
        SCOPED_TRACE(linesBeforeShow);
        Rig f;
        f.Fill(linesBeforeShow);
        testing::ShowPage(f.buffer, f.area);
        EXPECT_EQ(f.messages.CountOf(session::kBufferNearlyFullText), warnings);
        if (warnings > 0) {
            EXPECT_EQ(f.messages.shown.back().title.toStdString(), "Warning!");
            EXPECT_EQ(f.messages.shown.back().style, platform::MessageStyle::Information);
            f.buffer.ClearDataBuffer();
            f.buffer.AppendBufferLine(QStringLiteral("next page"));
            testing::ShowPage(f.buffer, f.area);
            EXPECT_EQ(f.messages.CountOf(session::kBufferNearlyFullText), 2);
        }
    }
}

TEST(DataBuffer, FullBufferRefusesEveryLineWithOneMessageEach) {
    Rig f;
    f.Fill(kBufferLineLimit - 1);
    EXPECT_TRUE(f.buffer.AppendBufferLine(QStringLiteral("last that fits")));
    EXPECT_EQ(f.buffer.AllLineCount(), 32767);
    EXPECT_TRUE(f.messages.shown.empty());

    f.buffer.ClearDataBuffer();
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(f.buffer.AppendBufferLine(QStringLiteral("refused")));
    }
    EXPECT_EQ(f.buffer.PageLineCount(), 0);
    EXPECT_EQ(f.buffer.AllLines().back().toStdString(), "last that fits");  // none taken
    EXPECT_EQ(f.messages.CountOf(session::kBufferFullText), 20);
    EXPECT_EQ(f.messages.shown.front().title.toStdString(), "Warning!");
    EXPECT_EQ(f.messages.shown.front().style, platform::MessageStyle::Critical);
}

// The page can outgrow the whole buffer after "Clear all data"; a full page refuses too, and
// neither list then takes the line, so they never drift apart.
TEST(DataBuffer, FullPageRefusesWithoutTouchingWholeBuffer) {
    Rig f;
    f.Fill(kBufferLineLimit);
    f.buffer.ClearAllData();
    EXPECT_FALSE(f.buffer.AppendBufferLine(QStringLiteral("refused")));
    EXPECT_EQ(f.buffer.AllLineCount(), 0);
    EXPECT_EQ(f.buffer.PageLineCount(), 32767);
    EXPECT_EQ(f.messages.CountOf(session::kBufferFullText), 1);
}

}  // namespace
}  // namespace velmaris::domain
