#include "session/output_commands.h"

#include "output/print_job.h"
#include "report/report_rig.h"
#include "support/output_fakes.h"

#include <gtest/gtest.h>

#include <QDir>

namespace velmaris::session {
namespace {

using namespace domain;

// Orb 2, a natal chart, clock zone 0, 3 lines per printed page, 4 per saved page, lines of
// up to 10 characters at the larger size; dates day first.
struct OutputCommandsTest : ::testing::Test, testing::ProgramRig {
    testing::ScriptedFileDialog dialog;
    testing::RecordingPrinter printer;
    OutputCommands commands{program, messages, dialog, printer};

    OutputCommandsTest() {
        folder.Write(
            QStringLiteral("OPTIONS.OPT"),
            "2\r\n6\r\n21\r\n1990\r\n2\r\n45\r\n1\r\n5\r\n0\r\n3\r\n4\r\n10\r\n\r\nnotes\r\n");
        regional = testing::FixedRegional{1, 1};
        program.StartUp();
        messages.shown.clear();
    }
};

TEST_F(OutputCommandsTest, SaveWritesTheWholeBufferUnderTheChosenName) {
    dialog.nextAnswer = folder.FilePath(QStringLiteral("OUT.TXT"));
    commands.Save();
    ASSERT_EQ(dialog.requests.size(), 1u);
    const platform::SaveDialogRequest& request = dialog.requests.front();
    EXPECT_EQ(QStringList({request.proposedName, request.initialFolder, request.defaultSuffix}),
              QStringList({"04122026.TXT", folder.Path(), "TXT"}));  // day/month/year order
    EXPECT_EQ(folder.Read(QStringLiteral("OUT.TXT")),
              SavedBufferBytes(program.Buffer().AllLines(), 4));
    EXPECT_EQ(testing::Told(messages), "");
}

TEST_F(OutputCommandsTest, CancelIsQuietAndAFailedWriteNamesTheFile) {
    commands.Save();  // no answer queued: cancelled
    EXPECT_TRUE(messages.shown.empty());
    dialog.nextAnswer = folder.FilePath(QStringLiteral("missing/OUT.TXT"));
    commands.Save();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("OUT.TXT")));
}

TEST_F(OutputCommandsTest, AfterClearAllDataOnlyThePageCanBePrinted) {
    program.Buffer().ClearDataBuffer();
    program.Buffer().AppendBufferLine(QStringLiteral("a"));
    program.Buffer().AppendBufferLine(QStringLiteral("b"));
    program.Buffer().ClearAllData();
    messages.shown.clear();
    commands.Save();
    EXPECT_FALSE(commands.StageData());
    EXPECT_TRUE(dialog.requests.empty());
    EXPECT_EQ(testing::Told(messages), "No data to write to file.\nNo data to print.");
    // The page on screen is still there to print, with the empty slot after it.
    ASSERT_TRUE(commands.StagePage());
    EXPECT_EQ(folder.Read(QStringLiteral("PRNTFILE.XXX")), QByteArray("a\r\nb\r\n\r\n"));
}

TEST_F(OutputCommandsTest, EditedTextIsWrittenBackAndPrintedInPages) {
    ASSERT_TRUE(commands.PrintStagedText(QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\n"), false));
    EXPECT_EQ(folder.Read(QStringLiteral("PRNTFILE.XXX")),
              QByteArray("one\r\ntwo\r\nthree\r\nfour\r\n\r\n"));
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.jobs[0].fontFamily + QString::number(printer.jobs[0].pointSize),
              QStringLiteral("Courier New12"));
    // Three lines per page; the empty line the write-back adds is printed too.
    EXPECT_EQ(printer.jobs[0].pages, (QList<QStringList>{{"one", "two", "three"}, {"four", ""}}));

    // Long lines print at 10 points; a full sheet starts a new page before the count is reached.
    printer.linesPerSheetAt10 = 2;
    ASSERT_TRUE(commands.PrintStagedText(QStringLiteral("a\r\nb\r\nc"), true));
    EXPECT_EQ(printer.jobs[1].pointSize, 10);
    EXPECT_EQ(printer.jobs[1].pages, (QList<QStringList>{{"a", "b"}, {"c"}}));
}

TEST_F(OutputCommandsTest, PrintingToAFileInsteadOfAPrinterIsTold) {
    printer.outcome = {true, folder.FilePath(QStringLiteral("print.pdf")), {}};
    ASSERT_TRUE(commands.PrintStagedText(QStringLiteral("x"), false));
    printer.outcome = {false, {}, QStringLiteral("the printer is out of paper")};
    EXPECT_FALSE(commands.PrintStagedText(QStringLiteral("x"), false));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("print.pdf")));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("out of paper")));
}

TEST_F(OutputCommandsTest, AStagingFileThatCannotBeWrittenPrintsNothing) {
    // A folder where the staging file should be cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("PRNTFILE.XXX")));
    EXPECT_FALSE(commands.PrintStagedText(QStringLiteral("x"), false));
    EXPECT_TRUE(printer.jobs.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("could not be written")));
}

}  // namespace
}  // namespace velmaris::session
