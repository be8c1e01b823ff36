#include "app/listing_command.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/app_fixture.h"

namespace velmaris::testing {
namespace {

const QString kReferenceFolder = QStringLiteral(VELMARIS_TEST_DATA_DIR "/transit-windows");

CommandRun RunListingIn(const QString& folder, const QStringList& arguments) {
    return RunCommand(app::RunListing, arguments, folder,
                      QDateTime(QDate(2028, 3, 15), QTime(12, 0)));
}

QStringList Lines(const QString& text) {
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The CSV of the reference period has the reference's rows, in its order (the moments
// themselves are compared within their tolerance by the listing's own test).
TEST(ListingCommandTest, CsvOfTheReferencePeriodHasTheReferenceRows) {
    const CommandRun run =
        RunListingIn(kReferenceFolder, {"2028-03-01", "2028-04-30", "--format", "csv"});
    ASSERT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    QFile expectedFile(kReferenceFolder + QStringLiteral("/expected.csv"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected = Lines(QString::fromUtf8(expectedFile.readAll()));
    const QStringList actual = Lines(run.out);
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i) {
        // transit, aspect, natal, pass and passes agree exactly.
        const QStringList a = actual[i].split(QLatin1Char(','));
        const QStringList e = expected[i].trimmed().split(QLatin1Char(','));
        ASSERT_EQ(a.size(), 8) << actual[i].toStdString();
        for (const int field : {0, 1, 2, 4, 5}) {
            EXPECT_EQ(a[field], e[field]) << "row " << i;
        }
    }
}

// With the supplied chart Saturn stations about 25 arcseconds short of the exact square to
// natal Uranus in December 2026: one window, listed without an exact hit.
TEST(ListingCommandTest, AStationShortOfExactIsAWindowWithoutAHit) {
    const CommandRun run = RunListingIn(QStringLiteral(VELMARIS_DATA_DIR),
                                        {"2026-12-01", "2026-12-10", "--format", "csv"});
    ASSERT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    const QStringList rows = Lines(run.out).filter(QStringLiteral("SATURN,Square,URANUS,"));
    ASSERT_EQ(rows.size(), 1) << run.out.toStdString();
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("SATURN,Square,URANUS,,,,2026-10-")))
        << rows[0].toStdString();
}

TEST(ListingCommandTest, WritesTheOutputFileWhole) {
    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("year.ics"));
    const CommandRun run = RunListingIn(
        kReferenceFolder, {"2028-03-01", "2028-04-30", "--format", "ics", "--output", path});
    ASSERT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    const QByteArray ics = folder.Read(QStringLiteral("year.ics"));
    EXPECT_TRUE(ics.startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(ics.trimmed().endsWith("END:VCALENDAR"));
    EXPECT_TRUE(run.out.isEmpty());
}

// Each calendar event carries the interpretation paragraph of its transit.
TEST(ListingCommandTest, CalendarEventsCarryTheirParagraph) {
    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("dec.ics"));
    const CommandRun run =
        RunListingIn(QStringLiteral(VELMARIS_DATA_DIR),
                     {"2026-12-01", "2026-12-10", "--format", "ics", "--output", path});
    ASSERT_EQ(run.status, app::kListingOk) << run.err.toStdString();
    // Folded lines are joined again before looking (RFC 5545: CRLF and one blank).
    QByteArray ics = folder.Read(QStringLiteral("dec.ics"));
    ics.replace("\r\n ", "");
    EXPECT_TRUE(ics.contains("SUMMARY:SATURN Square URANUS"));
    EXPECT_TRUE(ics.contains("Old and new collide. Torn between security and a hunger for freedom"))
        << ics.left(2000).toStdString();
}

}  // namespace
}  // namespace velmaris::testing
