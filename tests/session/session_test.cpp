#include "output/print_job.h"
#include "report/report_rig.h"
#include "session/output_commands.h"
#include "session/program.h"
#include "support/output_fakes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <QDir>

#include <string>

namespace velmaris::session {
namespace {

using namespace domain;

using testing::kNatalDay;
using testing::kToday;
using testing::Positions;

// Natal Moon at 133.3; the transiting Sun squares it on the present day only.
struct ProgramFixture : testing::ProgramRig {
    ProgramFixture() {
        sky = [](const ephem::ChartMoment& moment) {
            if (moment.dayNumber == kNatalDay) {
                return Positions({{10, 133.3}});
            }
            return Positions({{1, moment.dayNumber == kToday ? 42.08 : 20}});
        };
        folder.Write(QStringLiteral("SUN.TXT"), "SUN Square MOON\r\nTension.\r\n");
    }
};

// What start-up told (FOLDER for the program's folder) and kept, and the page it showed; then,
// after Forward, the page's line count, the whole buffer and every moment asked for (as day
// numbers).
QByteArray StartUpAndForward(ProgramFixture& f) {
    f.program.StartUp();
    QStringList dump = {"told: " + QString::fromStdString(f.messages.Texts()),
                        "caption: " + f.program.CaptionPrefix(),
                        "date order: " + QString::number(static_cast<int>(f.program.DateOrder())),
                        "options (0 to 12):", "natal positions:"};
    for (const float value : f.program.Options()) {
        dump[3] += " " + QString::number(value);
    }
    for (const double longitude : f.program.NatalPositions()) {
        dump[4] += " " + QString::number(longitude);
    }
    dump << "page shown:\n" + f.textArea.text;
    f.program.Forward();
    dump << QStringLiteral("after Forward, %1 lines on the page; the buffer:")
                .arg(f.program.Buffer().PageLineCount())
         << f.program.Buffer().AllLines().join(QStringLiteral("\r\n"));
    for (const ephem::ChartMoment& moment : f.asked) {
        dump << "moment asked: " + QString::number(moment.dayNumber + moment.dayFraction, 'f', 6);
    }
    return dump.join(QLatin1Char('\n')).replace(f.folder.Path(), QStringLiteral("FOLDER")).toUtf8();
}

// The natal moment comes from the options, the present one from the clock with the clock zone.
TEST(Program, StartUpWritesTheFirstPageAndForwardTheNext) {
    ProgramFixture f;
    testing::ExpectGolden(StartUpAndForward(f), QStringLiteral("session/start-up.txt"));
}

TEST(Program, DayCommandsAndNewDate) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("session/day-commands.tsv"), 6)) {
        SCOPED_TRACE(row[0].toStdString());
        ProgramFixture f;
        f.program.StartUp();
        for (const QString& word : QString::fromUtf8(row[0]).split(QLatin1Char(' '))) {
            if (const QStringList date = word.split(QLatin1Char('/')); date.size() == 3) {
                if (f.program.AcceptNewDate(date[0], date[1], date[2])) {
                    f.program.NewDate();
                }
                continue;
            }
            for (int i = word.size() > 1 ? word.chopped(1).toInt() : 1; i > 0; --i) {
                word.back() == QLatin1Char('F')   ? f.program.Forward()
                : word.back() == QLatin1Char('B') ? f.program.Backward()
                                                  : f.program.NewDate();
            }
        }
        EXPECT_EQ(f.Page().at(3).toStdString(), "     " + row[1].toStdString() + " at 10:15 PM");
        EXPECT_EQ(f.program.NextReportDay() - kToday, row[2].toDouble());
        const NewDateFields fields = f.program.NewDateStartFields();
        EXPECT_EQ(QStringList({fields.month, fields.day, fields.year}).join('/').toStdString(),
                  row[3].toStdString());
        const std::string told = f.messages.Texts();
        EXPECT_EQ(told.substr(0, told.find('\n')), row[4].toStdString());
        EXPECT_TRUE(f.textArea.text.startsWith(QStringLiteral("\r\n                    TRANS")));
    }
}

// A missing options file is replaced by its master copy, whose values are then in force; with
// no master copy either, every option stays 0. Start-up goes on in both cases.
TEST(Program, MissingOptionsFileIsRestoredOrReportedAndStartUpGoesOn) {
    for (const bool master : {true, false}) {
        SCOPED_TRACE(master ? "master copy" : "no master copy");
        ProgramFixture f;
        const QByteArray options = f.folder.Read(QStringLiteral("OPTIONS.OPT"));
        QFile::remove(f.folder.FilePath(QStringLiteral("OPTIONS.OPT")));
        if (master) {
            f.folder.Write(QStringLiteral("OPTIONS.MAS"), options);
        }
        const QByteArray dump = StartUpAndForward(f);
        testing::ExpectGolden(
            dump + "\nOPTIONS.OPT now:\n" + f.folder.Read(QStringLiteral("OPTIONS.OPT")),
            master ? QStringLiteral("session/options-restored.txt")
                   : QStringLiteral("session/options-missing.txt"));
    }
}

TEST(Program, NatalEphemerisErrorIsReportedAndStartUpGoesOn) {
    ProgramFixture f;
    f.regional = testing::FixedRegional{1, 1};
    f.sky = [](const ephem::ChartMoment& moment) {
        if (moment.dayNumber == kNatalDay) {
            throw ephem::EphemerisError("diverged");
        }
        return ephem::SkyPositions{};
    };
    // Every page says why it lists no aspects.
    testing::ExpectGolden(StartUpAndForward(f), QStringLiteral("session/natal-error.txt"));
}

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
    EXPECT_EQ(messages.Texts(), "");
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
    EXPECT_EQ(messages.Texts(), "No data to write to file.\nNo data to print.");
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
        QString told = QString::fromStdString(f.messages.Texts());
        told.replace(f.folder.Path(), QStringLiteral("FOLDER"));
        EXPECT_EQ(outcome + " " + std::to_string(f.printer.jobs.size()) + ": " + told.toStdString(),
                  row[3].toStdString());
    }
}

}  // namespace
}  // namespace velmaris::session
