#include "pictures/timeline.h"
#include "pictures/sample_pictures.h"
#include "pictures/svg_reading.h"
#include "support/golden.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace velmaris::pictures {
namespace {

using velmaris::testing::ExpectGolden;
using velmaris::testing::ReadTable;

QDateTime Moment(const QByteArray& iso) {
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate).toUTC();
}

// The year 2025 with the windows of timeline_windows.tsv, today in the middle of it.
TimelineInput TableTimeline() {
    TimelineInput input{
        {}, samples::Utc(2025, 1, 1), samples::Utc(2026, 1, 1), samples::Utc(2025, 7, 2, 12)};
    for (const auto& c : ReadTable(QStringLiteral("pictures/timeline_windows.tsv"), 6)) {
        if (input.rows.empty() || input.rows.back().transit != c[0]) {
            input.rows.push_back({c[0], c[1], c[2], {}});
        }
        TimelineWindow window{Moment(c[3]), Moment(c[4]), {}};
        for (const QByteArray& hit : c[5].split(' ')) {
            const QList<QByteArray> h = hit.split('/');
            window.hits.push_back({Moment(h[0]), h[1].toInt(), h[2].toInt()});
        }
        input.rows.back().windows.push_back(window);
    }
    return input;
}

// The SVG read back, a line per group: its data-* attributes, then its shapes, with places along
// the plot in days into the period (0.00 and 365.00 its edges): a rectangle from one place to
// another, a line at one (month ticks, exact hits and today stand upright), a text as it reads.
QByteArray TimelineDump(const TimelineInput& input) {
    const TimelineLayout layout(input, 1200.0);
    QString error;
    const auto groups = testing::ReadSvgGroups(WriteSvg(BuildTimeline(input, 1200.0)), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const double left = layout.PlotLeft();
    const double scale = 365.0 / (layout.PlotRight() - left);
    const auto day = [&](double x) { return QString::number((x - left) * scale, 'f', 2); };
    const auto describe = [&](const testing::SvgElement& e) {
        const auto at = [&](const char* name) { return e.attributes.value(name).toDouble(); };
        return e.name == "rect"   ? "rect " + day(at("x")) + ".." + day(at("x") + at("width"))
               : e.name == "line" ? "line " + day(at("x1"))
                                  : '\'' + e.text + '\'';
    };
    return testing::GroupLines(groups, describe).join('\n').toUtf8() + '\n';
}

TEST(TimelineSvg, BarsCarryWholeWindowsCutAtThePeriodEdgesMarksAndTodayOnlyInside) {
    TimelineInput input = TableTimeline();
    ExpectGolden(TimelineDump(input), QStringLiteral("pictures/timeline_page.txt"));
    EXPECT_EQ(BuildTimeline(input, 1200.0).size, TimelineLayout(input, 1200.0).Size());
    input.today = samples::Utc(2026, 3, 1);
    EXPECT_FALSE(TimelineDump(input).contains("today=")) << "today after the period";
}

TEST(TimelineLayout, RowsFromTheSlowestBodyDownInputOrderWithinABodyGapsBetweenBodies) {
    for (const auto& c : ReadTable(QStringLiteral("pictures/timeline_order.tsv"), 2)) {
        TimelineInput input{{}, samples::Utc(2025, 1, 1), samples::Utc(2025, 2, 1), {}};
        for (const QByteArray& body : c[0].split(' ')) {
            input.rows.push_back({body, QStringLiteral("Trine"), QStringLiteral("SUN"), {}});
        }
        const TimelineLayout layout(input, 1000.0);
        QStringList shown;
        double above = layout.Top();  // where the row above ends
        for (const int i : layout.Order()) {
            const double space = layout.RowTop(i) - above;
            if (space != 0.0) {
                shown << (space > 0.0 ? "|" : "overlap");
            }
            shown << QString::number(i) + ':' + input.rows.at(static_cast<std::size_t>(i)).transit;
            above = layout.RowTop(i) + layout.RowHeight();
        }
        EXPECT_EQ(shown.join(' '), QString(c[1])) << c[0].toStdString();
    }
}

TEST(TimelineLayout, HitTestFindsRowAndWindowAndDateAtAPoint) {
    const TimelineInput input = TableTimeline();
    const TimelineLayout layout(input, 1200.0);
    const double left = layout.PlotLeft();
    for (const auto& c : ReadTable(QStringLiteral("pictures/timeline_points.tsv"), 6)) {
        const auto row = std::ranges::find(input.rows, QString(c[2]), &TimelineRow::transit);
        const QPointF point(left + c[1].toDouble() / 365.0 * (layout.PlotRight() - left),
                            layout.RowTop(static_cast<int>(row - input.rows.begin())) +
                                layout.RowHeight() * (0.5 + c[3].toDouble()));
        const auto hit = layout.HitTest(point);
        const QString found =
            !hit ? QStringLiteral("none")
                 : input.rows.at(static_cast<std::size_t>(hit->row)).transit + '/' +
                       (hit->window < 0 ? QStringLiteral("-") : QString::number(hit->window));
        EXPECT_EQ(found, QString(c[4])) << c[0].toStdString();
        EXPECT_EQ(IsoMoment(layout.DateAt(point.x())), QString(c[5])) << c[0].toStdString();
    }
}

}  // namespace
}  // namespace velmaris::pictures
