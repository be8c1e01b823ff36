// The windows, hits and passes of the shared reference period, row by row against an
// independent implementation of the same ephemeris.
#include "listing/listing_formats.h"
#include "listing/listing_rig.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmaris::testing {
namespace {

constexpr double kSecondsPerDay = 86400;

struct Row {
    QString transit, aspect, natal;
    std::optional<double> exact;
    int pass = 0;
    int passes = 0;
    double enters = 0;
    double leaves = 0;
};

std::vector<Row> ExpectedRows() {
    QFile file(ReferenceFolder() + QStringLiteral("/expected-jd.tsv"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<Row> rows;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            continue;
        }
        const QStringList f = QString::fromLatin1(lines[i]).split(QLatin1Char('\t'));
        EXPECT_EQ(f.size(), 8) << lines[i].toStdString();
        Row row;
        row.transit = f[0];
        row.aspect = f[1];
        row.natal = f[2];
        if (!f[3].isEmpty()) {
            row.exact = f[3].toDouble();
            row.pass = f[4].toInt();
            row.passes = f[5].toInt();
        }
        row.enters = f[6].toDouble();
        row.leaves = f[7].toDouble();
        rows.push_back(row);
    }
    return rows;
}

// The time the body needs to move 2e-5 degrees there, at least 2 s.
double ToleranceDays(ephem::Body body, double julianDate) {
    const transits::LongitudeFunction longitude = transits::PositionsLongitude();
    const double speed = std::fabs(transits::WrapDelta(longitude(body, julianDate + 0.05) -
                                                       longitude(body, julianDate - 0.05))) /
                         0.1;
    return std::max(2 / kSecondsPerDay, 2e-5 / speed);
}

TEST(ReferenceWindows, EveryRowAgreesWithTheIndependentImplementation) {
    const std::vector<transits::TransitWindow>& windows = ReferenceWindows();
    std::vector<Row> got;
    std::vector<ephem::Body> bodies;
    for (const domain::ListingRow& r : domain::ListingRows(windows)) {
        const transits::TransitWindow& w = windows[r.window];
        Row row;
        row.transit = domain::TransitName(w);
        row.aspect = domain::AspectNameOf(w);
        row.natal = domain::NatalName(w);
        if (r.hit >= 0) {
            const transits::ExactHit& hit = w.hits[static_cast<std::size_t>(r.hit)];
            row.exact = hit.julianDate;
            row.pass = hit.pass;
            row.passes = hit.passes;
        }
        row.enters = w.enters;
        row.leaves = w.leaves;
        got.push_back(row);
        bodies.push_back(w.transit);
    }
    const std::vector<Row> want = ExpectedRows();
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const Row& w = want[i];
        const Row& g = got[i];
        SCOPED_TRACE(QStringLiteral("row %1: %2 %3 %4")
                         .arg(i + 2)
                         .arg(w.transit, w.aspect, w.natal)
                         .toStdString());
        ASSERT_EQ(g.transit, w.transit);
        ASSERT_EQ(g.aspect, w.aspect);
        ASSERT_EQ(g.natal, w.natal);
        EXPECT_NEAR(g.enters, w.enters, ToleranceDays(bodies[i], w.enters));
        EXPECT_NEAR(g.leaves, w.leaves, ToleranceDays(bodies[i], w.leaves));
        ASSERT_EQ(g.exact.has_value(), w.exact.has_value());
        if (w.exact) {
            EXPECT_NEAR(*g.exact, *w.exact, ToleranceDays(bodies[i], *w.exact));
            EXPECT_EQ(g.pass, w.pass);
            EXPECT_EQ(g.passes, w.passes);
        }
    }
}

}  // namespace
}  // namespace velmaris::testing
