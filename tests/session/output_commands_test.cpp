#include "session/output_commands.h"

#include "output/print_job.h"
#include "report/report_rig.h"
#include "support/golden.h"
#include "support/output_fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>

namespace velmaris::session {
namespace {

using namespace domain;

// Orb 2, a natal chart, clock zone 0, 3 lines per printed page, 4 per saved page, lines of
// up to 10 characters at the larger size; dates day first.
struct OutputRig : testing::ProgramRig {
    testing::ScriptedFileDialog dialog;
    testing::RecordingPrinter printer;
    OutputCommands commands{program, messages, dialog, printer};

    OutputRig() {
        folder.Write(QStringLiteral("OPTIONS.OPT"),
                     testing::Golden(QStringLiteral("session/output-options.opt")));
        regional = testing::FixedRegional{1, 1};
        program.StartUp();
        messages.shown.clear();
    }
};
struct OutputCommandsTest : ::testing::Test, OutputRig {};

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

// A save or a print-out that is cancelled or fails, as tests/data/session/output-failures.tsv
// describes, and what each tells.
TEST(OutputCommands, CancelIsQuietAndEveryFailureIsTold) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("session/output-failures.tsv"), 4)) {
        SCOPED_TRACE(row[0].toStdString());
        OutputRig f;
        const QString name = QString::fromUtf8(row[2]);
        const QString path = f.folder.FilePath(name);
        f.dialog.nextAnswer = name.isEmpty() ? std::nullopt : std::optional(path);
        // The printer prints (into the PDF file for "pdf") or fails with `name` as its error.
        f.printer.outcome = {row[1] == "pdf", row[1] == "pdf" ? path : QString(), name};
        ASSERT_TRUE(row[1] != "staging folder" || QDir().mkdir(path));
        std::string outcome = "-";
        if (row[1] == "save") {
            f.commands.Save();
        } else {
            outcome = f.commands.PrintStagedText(QStringLiteral("x"), false) ? "yes" : "no";
        }
        const QString told = QString::fromStdString(testing::Told(f.messages));
        EXPECT_EQ(
            outcome + " " + std::to_string(f.printer.jobs.size()) + ": " +
                QString(told).replace(f.folder.Path(), QStringLiteral("FOLDER")).toStdString(),
            row[3].toStdString());
    }
}

}  // namespace
}  // namespace velmaris::session
