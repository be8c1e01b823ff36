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

// December 2026 of the supplied chart: Saturn stations about 25 arcseconds short of the exact
// square to natal Uranus, one window listed without an exact hit; the calendar written to a
// file whole (nothing on standard output), each event with the paragraph of its transit.
TEST(ListingCommandTest, AStationShortOfExactAndTheCalendarOfThePeriod) {
    const QStringList period = {QStringLiteral("2026-12-01"), QStringLiteral("2026-12-10")};
    const CommandRun csv =
        RunListingIn(QStringLiteral(VELMARIS_DATA_DIR), period + QStringList{"--format", "csv"});
    ASSERT_EQ(csv.status, app::kListingOk) << csv.err.toStdString();
    const QStringList rows = Lines(csv.out).filter(QStringLiteral("SATURN,Square,URANUS,"));
    ASSERT_EQ(rows.size(), 1) << csv.out.toStdString();
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("SATURN,Square,URANUS,,,,2026-10-")))
        << rows[0].toStdString();

    DataFolder folder;
    const QString path = folder.FilePath(QStringLiteral("dec.ics"));
    const CommandRun ics = RunListingIn(QStringLiteral(VELMARIS_DATA_DIR),
                                        period + QStringList{"--format", "ics", "--output", path});
    ASSERT_EQ(ics.status, app::kListingOk) << ics.err.toStdString();
    EXPECT_TRUE(ics.out.isEmpty());
    // Folded lines are joined again before looking (RFC 5545: CRLF and one blank).
    QByteArray calendar = folder.Read(QStringLiteral("dec.ics"));
    EXPECT_TRUE(calendar.startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(calendar.trimmed().endsWith("END:VCALENDAR"));
    calendar.replace("\r\n ", "");
    EXPECT_TRUE(calendar.contains("SUMMARY:SATURN Square URANUS"));
    EXPECT_TRUE(
        calendar.contains("Old and new collide. Torn between security and a hunger for freedom"));
}

}  // namespace
}  // namespace velmaris::testing
