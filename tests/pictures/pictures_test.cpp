// The wheel and the timeline: their geometry, what their SVG carries, and their PNG export.
#include "pictures/picture_export.h"
#include "pictures/sample_pictures.h"
#include "pictures/svg_reading.h"
#include "pictures/timeline.h"
#include "pictures/wheel.h"
#include "support/angle_diff.h"
#include "support/table.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmaris::pictures {
namespace {

using velmaris::testing::AngleDiff;
using velmaris::testing::ExpectGolden;
using velmaris::testing::ReadTable;

// Longitude of a point seen from the centre of a wheel 1000 wide: 0 at the left, anticlockwise.
double LongitudeOf(QPointF p) {
    return std::atan2(p.y() - 500.0, 500.0 - p.x()) * 180.0 / std::numbers::pi;
}

TEST(WheelSvg, MarkersAndAspectLinesCarryThePageValues) {
    const ExportResult svg = ExportSvg(BuildWheel(samples::CrowdedWheel()));
    QString error;
    const auto groups = testing::ReadSvgGroups(svg.bytes, &error);
    ASSERT_TRUE(svg.Ok() && error.isEmpty()) << error.toStdString();
    // A line per group with data-*: its attributes and the kinds of its shapes. Aspect lines
    // come in the order drawn (weakest orb first, the tightest on top); markers, which the
    // spreading may place in any order, after them sorted.
    const auto kind = [](const testing::SvgElement& e) { return e.name; };
    QStringList lines = testing::GroupLines(groups, kind).filter(QStringLiteral("="));
    std::sort(std::ranges::find_if(lines, [](const QString& l) { return l.startsWith("body="); }),
              lines.end());
    ExpectGolden(lines.join('\n').toUtf8() + '\n', QStringLiteral("pictures/wheel_markers.txt"));
}

TEST(WheelGeometry, ZeroAriesAtTheLeftLongitudeIncreasingAnticlockwise) {
    for (const auto& c : ReadTable(QStringLiteral("pictures/wheel_points.tsv"), 3)) {
        const QPointF p = WheelPoint({500.0, 500.0}, 100.0, c[0].toDouble());
        EXPECT_NEAR(p.x(), c[1].toDouble(), 1e-5) << c[0].toStdString();
        EXPECT_NEAR(p.y(), c[2].toDouble(), 1e-5) << c[0].toStdString();
    }
}

TEST(MarkerSpreading, NoTwoCloserThanTheGapOrderKeptLonersUntouched) {
    const double gap = 8.0;
    for (const auto& c : ReadTable(QStringLiteral("pictures/marker_spreading.tsv"), 3)) {
        std::vector<MarkerPlace> places;
        for (const QByteArray& longitude : c[1].split(' ')) {
            places.push_back({static_cast<int>(places.size()), longitude.toDouble(), 0.0});
        }
        const auto spread = SpreadMarkers(places, gap);
        ASSERT_EQ(spread.size(), places.size()) << c[0].toStdString();
        for (std::size_t i = 0; i < spread.size(); ++i) {
            const MarkerPlace& p = spread[i];
            const MarkerPlace& next = spread[(i + 1) % spread.size()];
            SCOPED_TRACE(c[0].toStdString() + ", marker " + std::to_string(p.body));
            for (std::size_t j = i + 1; j < spread.size(); ++j) {
                EXPECT_GE(std::abs(AngleDiff(p.shownDeg, spread[j].shownDeg)), gap - 1e-6) << j;
            }
            EXPECT_DOUBLE_EQ(p.trueDeg, places.at(static_cast<std::size_t>(p.body)).trueDeg);
            // A marker with room stays; others move no further than their cluster is wide.
            EXPECT_LE(
                std::abs(AngleDiff(p.shownDeg, p.trueDeg)),
                c[2].at(p.body) == '1' ? 1e-9 : gap * static_cast<double>(spread.size()) / 2.0);
            // Going round by the true places, the shown places go round the same way.
            const double trueStep = std::fmod(next.trueDeg - p.trueDeg + 720.0, 360.0);
            const double shownStep = std::fmod(next.shownDeg - p.shownDeg + 720.0, 360.0);
            if (spread.size() > 2 && trueStep > 0.0) {
                EXPECT_GT(shownStep, 0.0);
                EXPECT_LT(shownStep, 180.0 + trueStep);
            }
        }
    }
}

TEST(WheelMarkers, CrowdedGlyphsDoNotOverlapAndLeadersPointAtTheTruePlace) {
    const DisplayList list = BuildWheel(samples::CrowdedWheel(), 1000.0);
    std::vector<std::pair<int, QRectF>> boxes;  // the marker and a box round one of its texts
    int markers = 0;
    for (const Group& g : list.groups) {
        const auto lon = std::ranges::find(g.attributes, QStringLiteral("data-longitude"),
                                           &std::pair<QString, QString>::first);
        if (lon == g.attributes.end()) {
            continue;
        }
        ++markers;
        const double trueDeg = lon->second.toDouble();
        ASSERT_GE(g.shapes.size(), 4U);
        // Tick and leader start at the true place; the leader ends in line with the glyph.
        EXPECT_NEAR(AngleDiff(LongitudeOf(g.shapes[0].p1), trueDeg), 0.0, 1e-6);
        EXPECT_NEAR(AngleDiff(LongitudeOf(g.shapes[1].p1), trueDeg), 0.0, 1e-6);
        EXPECT_NEAR(AngleDiff(LongitudeOf(g.shapes[1].p2), LongitudeOf(g.shapes[2].p1)), 0.0, 1e-6);
        // Every text of a marker, degree and minute included, is boxed.
        for (std::size_t s = 2; s < g.shapes.size(); ++s) {
            const Shape& t = g.shapes[s];
            QRectF box(0.0, 0.0, TextWidth(list.fontFamily, t.fontSize, t.text), t.fontSize * 0.8);
            box.moveCenter(t.p1);
            for (const auto& [other, seen] : boxes) {
                EXPECT_TRUE(other == markers || !seen.intersects(box))
                    << "markers " << other << " and " << markers;
            }
            boxes.emplace_back(markers, box);
        }
    }
    EXPECT_EQ(markers, 19);
}

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

TEST(PictureExport, PngSizeLimitsPixelRatioAndHeightInProportion) {
    for (const auto& c : ReadTable(QStringLiteral("pictures/png_sizes.tsv"), 4)) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const DisplayList list = c[0] == "wheel"
                                     ? BuildWheel(samples::CrowdedWheel())
                                     : BuildTimeline(samples::YearTimeline(2, 3), 1200.0);
        const ExportResult png = ExportPng(list, c[1].toInt(), c[2].toDouble());
        const int wide = c[3].toInt();
        EXPECT_EQ(png.Ok(), wide > 0);
        const QImage image =
            QImage::fromData(png.bytes, "PNG").convertToFormat(QImage::Format_Grayscale8);
        EXPECT_EQ(image.width(), wide);
        EXPECT_NEAR(image.height(), wide * list.size.height() / list.size.width(), 1.0);
        // Drawn, not blank: some hundredth of the pixels carry ink.
        qsizetype dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            dark += std::count_if(image.constScanLine(y), image.constScanLine(y) + image.width(),
                                  [](uchar grey) { return grey < 200; });
        }
        EXPECT_GE(dark, image.width() * image.height() / 100);
    }
}

}  // namespace
}  // namespace velmaris::pictures
