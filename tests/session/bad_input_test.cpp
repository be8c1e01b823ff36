// Bad option values and options files at start-up, and the furthest dates the New Date fields
// accept: each ends in a clear message or a quiet outcome that docs/bad-input.md describes.
#include "report/report_rig.h"
#include "support/bad_bytes.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::session {
namespace {

using namespace domain;
using testing::kToday;
using testing::Put;

void ExpectSensiblePage(const Program& program) {
    const QStringList& page = program.Buffer().PageLines();
    ASSERT_GE(page.size(), 8);
    EXPECT_EQ(page[1], domain::kReportHeading);
    EXPECT_TRUE(page[3].startsWith(QStringLiteral("     "))) << page[3].toStdString();
    if (!page.contains(domain::kNoPositionsLine)) {
        for (std::size_t body = 1; body <= 10; ++body) {
            EXPECT_GE(program.SkyPositions()[body], 0.0) << body;
            EXPECT_LE(program.SkyPositions()[body], 360.0) << body;
        }
    }
}

// What start-up made of the options: the natal date and zone, the clock zone, and whether the
// page lists aspects.
std::string StartUpOutcome(const Program& p) {
    const MomentFields& natal = p.Natal();
    return QString::asprintf(
               "natal %d/%d/%d zone %g, clock zone %g, %s", natal.month, natal.day, natal.year,
               static_cast<double>(natal.zone), static_cast<double>(p.Chosen().zone),
               p.Buffer().PageLines().contains(kNoAspectsLine) ? "no aspects" : "aspects")
        .toStdString();
}

// Start-up with each options file of `table`: one bad line in the usual options, or a whole
// file; the options as read, the messages, the outcome and a sensible first page.
void ExpectStartUps(const QString& table) {
    for (const QList<QByteArray>& row : testing::ReadTable(table, 6)) {
        SCOPED_TRACE(row[5].toStdString());
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        const int line = row[0].toInt();
        const QByteArray text = row[1] == "(1 MB)"     ? "5" + QByteArray(1000000, 'x')
                                : row[1] == "(binary)" ? testing::BinaryBytes(4096)
                                : row[1] == "(100 MB)" ? QByteArray()
                                                       : row[1];
        Put(f.folder, QStringLiteral("OPTIONS.OPT"),
            line > 0 ? testing::OptionsText(line, text) : text, "5\r\n7\r\n");
        f.program.StartUp();
        QStringList read;
        for (std::size_t i = 1; i < f.program.Options().size(); ++i) {
            read << QString::number(f.program.Options()[i]);
        }
        EXPECT_EQ(read.join(QLatin1Char(' ')).toStdString(), row[2].toStdString());
        EXPECT_EQ(f.messages.Texts(), row[3].toStdString());
        EXPECT_EQ(StartUpOutcome(f.program), row[4].toStdString());
        ExpectSensiblePage(f.program);
        EXPECT_EQ(f.program.NextReportDay(), kToday + 1);
    }
}

TEST(BadOptionValues, StartUpSaysWhatItRefusedOrGoesOnQuietly) {
    ExpectStartUps(QStringLiteral("session/bad-options.tsv"));
}

// Binary data, NUL bytes (a NUL ends a number like any other character) and a file of 100 MB.
TEST(BadDataFiles, OptionsFile) {
    ExpectStartUps(QStringLiteral("session/bad-options-files.tsv"));
}

// Each case of tests/data/session/far-dates.tsv: the New Date fields, then the commands after
// the New Date page; every page is sensible and moves the day by one, and a page the ephemeris
// could not compute is always explained.
TEST(FarDates, TheEndsOfTheNewDateRangeAndBeyond) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("session/far-dates.tsv"), 5)) {
        SCOPED_TRACE(row[4].toStdString());
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        f.program.StartUp();
        ASSERT_TRUE(f.program.AcceptNewDate(row[0], row[1], row[2]));
        double want = f.program.NextReportDay() + 1;
        f.program.NewDate();
        for (const char* command = row[3].constData();; ++command) {
            ExpectSensiblePage(f.program);
            EXPECT_EQ(f.program.NextReportDay(), want);
            if (*command == '\0') {
                break;
            }
            *command == 'F' ? f.program.Forward() : f.program.Backward();
            want += *command == 'F' ? 1 : -1;
        }
        EXPECT_EQ(f.program.Buffer().AllLines().count(kNoPositionsLine),
                  QString::fromStdString(f.messages.Texts())
                      .count(QStringLiteral("The positions of the planets cannot be computed")));
    }
}

}  // namespace
}  // namespace velmaris::session
