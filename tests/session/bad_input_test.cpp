// Bad option values and options files at start-up, and the furthest dates the New Date fields
// accept: each ends in a clear message or a quiet outcome that docs/bad-input.md describes.
#include "options/options_file.h"
#include "report/report_rig.h"
#include "support/bad_bytes.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmaris::session {
namespace {

using namespace domain;
using testing::Bytes;
using testing::kToday;
using testing::Told;

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
    return QStringLiteral("natal %1/%2/%3 zone %4, clock zone %5, %6")
        .arg(p.Natal().month)
        .arg(p.Natal().day)
        .arg(p.Natal().year)
        .arg(p.Natal().zone)
        .arg(p.Chosen().zone)
        .arg(p.Buffer().PageLines().contains(kNoAspectsLine) ? QStringLiteral("no aspects")
                                                             : QStringLiteral("aspects"))
        .toStdString();
}

TEST(BadOptionValues, StartUpSaysWhatItRefusedOrGoesOnQuietly) {
    for (const QList<QByteArray>& row :
         testing::ReadTable(QStringLiteral("session/bad-options.tsv"), 6)) {
        SCOPED_TRACE(row[5].toStdString());
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        const int line = row[0].toInt();
        const QByteArray text = row[1] == "(1 MB)" ? "5" + QByteArray(1000000, 'x') : row[1];
        f.folder.Write(QStringLiteral("OPTIONS.OPT"), testing::OptionsText(line, text));
        f.program.StartUp();
        EXPECT_EQ(f.program.Options()[static_cast<std::size_t>(line)], row[2].toFloat());
        EXPECT_EQ(Told(f.messages), row[3].toStdString());
        EXPECT_EQ(StartUpOutcome(f.program), row[4].toStdString());
        ExpectSensiblePage(f.program);
        EXPECT_EQ(f.program.NextReportDay(), kToday + 1);
    }
}

TEST(BadDataFiles, OptionsFile) {
    // Binary data gives finite entries; a NUL ends a number like any other character.
    testing::DataFolder folder;
    OptionValues values{};
    folder.Write(QStringLiteral("OPTIONS.OPT"), testing::BinaryBytes(4096));
    EXPECT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    for (std::size_t i = 1; i <= 12; ++i) {
        EXPECT_TRUE(std::isfinite(values[i])) << i;
    }
    folder.Write(QStringLiteral("OPTIONS.OPT"), Bytes("5\x00"
                                                      "9\r\n\x00 7\r\n"));
    EXPECT_TRUE(ReadOptionsFile(folder.Path(), values).opened);
    EXPECT_EQ(values[1], 5.0F);
    EXPECT_EQ(values[2], 0.0F);

    // A file of 100 MB is named in a message at start-up and every option stays 0.
    testing::ProgramRig f;
    testing::Put(f.folder, QStringLiteral("OPTIONS.OPT"), {}, "5\r\n7\r\n");
    f.program.StartUp();
    EXPECT_TRUE(Told(f.messages)
                    .starts_with("OPTIONS.OPT is larger than 1048576 bytes, so it was not read. "
                                 "Every option stays at its "
                                 "present value (0 at start-up)."));
    EXPECT_EQ(f.program.Options(), OptionValues{});
    ExpectSensiblePage(f.program);
}

// Each case: the New Date fields, then the commands after the New Date page (F forward, B
// backward); every page is sensible and moves the day by one, and a page the ephemeris could
// not compute is always explained.
TEST(FarDates, TheEndsOfTheNewDateRangeAndBeyond) {
    const char* const cases[][4] = {
        {"1", "1", "1", "BBB"},       // 1 January of year 1, then back into year 0
        {"12", "31", "9999", "FFF"},  // 31 December 9999, then on into year 10000
        {"10", "15", "1582", "B"},    // the first Gregorian day, then the last Julian one
    };
    for (const auto& [month, day, year, commands] : cases) {
        SCOPED_TRACE(year);
        testing::ProgramRig f;
        testing::CopyDataFiles(f.folder);
        f.program.StartUp();
        ASSERT_TRUE(
            f.program.AcceptNewDate(QLatin1String(month), QLatin1String(day), QLatin1String(year)));
        double want = f.program.NextReportDay() + 1;
        f.program.NewDate();
        for (const char* command = commands;; ++command) {
            ExpectSensiblePage(f.program);
            EXPECT_EQ(f.program.NextReportDay(), want);
            if (*command == '\0') {
                break;
            }
            *command == 'F' ? f.program.Forward() : f.program.Backward();
            want += *command == 'F' ? 1 : -1;
        }
        EXPECT_EQ(f.program.Buffer().AllLines().count(kNoPositionsLine),
                  QString::fromStdString(Told(f.messages))
                      .count(QStringLiteral("The positions of the planets cannot be computed")));
    }
}

}  // namespace
}  // namespace velmaris::session
