#include "session/output_commands.h"

#include <gtest/gtest.h>

#include <QDir>

#include "output/print_job.h"
#include "support/fakes.h"
#include "support/output_fakes.h"

namespace velmaris::session {
namespace {

using namespace domain;

using testing::DataFolder;
using testing::FixedClock;
using testing::FixedRegional;
using testing::RecordingMessages;
using testing::RecordingPrinter;
using testing::RecordingTextArea;
using testing::ScriptedFileDialog;

// Orb 2, a natal chart, clock zone 0, 3 lines per printed page, 4 per saved page, lines of
// up to 10 characters at the larger size.
const QByteArray kOptions =
    "2\r\n6\r\n21\r\n1990\r\n2\r\n45\r\n1\r\n5\r\n0\r\n3\r\n4\r\n10\r\n\r\nnotes\r\n";

class OutputCommandsTest : public ::testing::Test {
  protected:
    OutputCommandsTest()
        : clock_(QDateTime(QDate(2026, 12, 4), QTime(22, 15, 30))),
          regional_(1, 1),
          program_(ProgramServices{clock_, regional_, messages_, textArea_, folder_.Path()}),
          commands_(program_, messages_, dialog_, printer_) {
        folder_.Write(QStringLiteral("OPTIONS.OPT"), kOptions);
        program_.StartUp();
        messages_.shown.clear();
    }

    DataFolder folder_;
    FixedClock clock_;
    FixedRegional regional_;
    RecordingMessages messages_;
    RecordingTextArea textArea_;
    Program program_;
    ScriptedFileDialog dialog_;
    RecordingPrinter printer_;
    OutputCommands commands_;
};

TEST_F(OutputCommandsTest, SaveWritesTheWholeBufferUnderTheChosenName) {
    dialog_.nextAnswer = folder_.FilePath(QStringLiteral("OUT.TXT"));
    commands_.Save();
    ASSERT_EQ(dialog_.requests.size(), 1u);
    const platform::SaveDialogRequest& request = dialog_.requests.front();
    EXPECT_EQ(request.proposedName, QStringLiteral("04122026.TXT"));  // day/month/year order
    EXPECT_EQ(request.initialFolder, folder_.Path());
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("TXT"));
    EXPECT_EQ(folder_.Read(QStringLiteral("OUT.TXT")),
              SavedBufferBytes(program_.Buffer().AllLines(), 4));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(OutputCommandsTest, CancelIsQuietAndAFailedWriteNamesTheFile) {
    commands_.Save();  // no answer queued: cancelled
    EXPECT_TRUE(messages_.shown.empty());
    dialog_.nextAnswer = folder_.FilePath(QStringLiteral("missing/OUT.TXT"));
    commands_.Save();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("OUT.TXT")));
}

TEST_F(OutputCommandsTest, AfterClearAllDataOnlyThePageCanBePrinted) {
    program_.Buffer().ClearDataBuffer();
    program_.Buffer().AppendBufferLine(QStringLiteral("a"));
    program_.Buffer().AppendBufferLine(QStringLiteral("b"));
    program_.Buffer().ClearAllData();
    messages_.shown.clear();
    commands_.Save();
    EXPECT_FALSE(commands_.StageData());
    EXPECT_TRUE(dialog_.requests.empty());
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("No data to write to file."));
    EXPECT_EQ(messages_.shown[1].text, QStringLiteral("No data to print."));
    for (const testing::ShownMessage& shown : messages_.shown) {
        EXPECT_EQ(shown.title, QStringLiteral("Information"));
        EXPECT_EQ(shown.style, platform::MessageStyle::Exclamation);
    }
    // The page on screen is still there to print, with the empty slot after it.
    ASSERT_TRUE(commands_.StagePage());
    EXPECT_EQ(folder_.Read(QStringLiteral("PRNTFILE.XXX")), QByteArray("a\r\nb\r\n\r\n"));
}

TEST_F(OutputCommandsTest, EditedTextIsWrittenBackAndPrintedInPages) {
    ASSERT_TRUE(
        commands_.PrintStagedText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\n"), false));
    EXPECT_EQ(folder_.Read(QStringLiteral("PRNTFILE.XXX")),
              QByteArray("one\r\ntwo\r\nthree\r\nfour\r\n\r\n"));
    ASSERT_EQ(printer_.jobs.size(), 1u);
    EXPECT_EQ(printer_.jobs[0].pointSize, 12);
    EXPECT_EQ(printer_.jobs[0].fontFamily, QStringLiteral("Courier New"));
    // Three lines per page; the empty line the write-back adds is printed too.
    EXPECT_EQ(printer_.jobs[0].pages, (QList<QStringList>{{"one", "two", "three"}, {"four", ""}}));

    // Long lines print at 10 points; a full sheet starts a new page before the count is reached.
    printer_.linesPerSheetAt10 = 2;
    ASSERT_TRUE(commands_.PrintStagedText(QStringLiteral("a\r\nb\r\nc"), true));
    EXPECT_EQ(printer_.jobs[1].pointSize, 10);
    EXPECT_EQ(printer_.jobs[1].pages, (QList<QStringList>{{"a", "b"}, {"c"}}));
}

TEST_F(OutputCommandsTest, PrintingToAFileInsteadOfAPrinterIsTold) {
    printer_.outcome = {true, folder_.FilePath(QStringLiteral("print.pdf")), {}};
    ASSERT_TRUE(commands_.PrintStagedText(QStringLiteral("x"), false));
    printer_.outcome = {false, {}, QStringLiteral("the printer is out of paper")};
    EXPECT_FALSE(commands_.PrintStagedText(QStringLiteral("x"), false));
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("print.pdf")));
    EXPECT_TRUE(messages_.shown[1].text.contains(QStringLiteral("out of paper")));
}

TEST_F(OutputCommandsTest, AStagingFileThatCannotBeWrittenPrintsNothing) {
    // A folder where the staging file should be cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder_.Path()).mkdir(QStringLiteral("PRNTFILE.XXX")));
    EXPECT_FALSE(commands_.PrintStagedText(QStringLiteral("x"), false));
    EXPECT_TRUE(printer_.jobs.empty());
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("could not be written")));
}

}  // namespace
}  // namespace velmaris::session
