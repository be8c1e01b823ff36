#include "pictures/wheel.h"
#include "pictures/picture_export.h"
#include "pictures/sample_pictures.h"
#include "pictures/svg_reading.h"

#include <QFile>
#include <QImage>
#include <QTextStream>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmaris::pictures {
namespace {

double CircularDistance(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

// Longitude of a screen point seen from the centre: 0 at the left, anticlockwise.
double LongitudeOf(QPointF centre, QPointF p) {
    const double deg =
        std::atan2(p.y() - centre.y(), centre.x() - p.x()) * 180.0 / std::numbers::pi;
    return deg < 0.0 ? deg + 360.0 : deg;
}

TEST(WheelSvg, MarkersAndAspectLinesCarryThePageValues) {
    QFile file(QStringLiteral(VELMARIS_TEST_DATA_DIR "/pictures/wheel_markers.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            expected << line;
        }
    }
    const ExportResult svg = ExportSvg(BuildWheel(samples::CrowdedWheel()));
    ASSERT_TRUE(svg.Ok()) << svg.error.toStdString();
    QString error;
    const auto groups = testing::ReadSvgGroups(svg.bytes, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    QStringList found;
    for (const auto& g : groups) {
        if (g.data.contains(QStringLiteral("ring"))) {
            found << QStringLiteral("marker %1 %2 %3")
                         .arg(g.data.value(QStringLiteral("ring")),
                              g.data.value(QStringLiteral("body")),
                              g.data.value(QStringLiteral("longitude")));
            EXPECT_GE(g.children.size(), 3U) << "a marker has a tick, a leader and its texts";
        } else if (g.data.contains(QStringLiteral("aspect"))) {
            found << QStringLiteral("aspect %1 %2 %3")
                         .arg(g.data.value(QStringLiteral("transit")),
                              g.data.value(QStringLiteral("aspect")),
                              g.data.value(QStringLiteral("natal")));
            ASSERT_EQ(g.children.size(), 1U);
            EXPECT_EQ(g.children[0].name, QStringLiteral("line"));
        }
    }
    // Aspect lines in the order drawn (the tightest last, on top); markers in any order.
    const auto isAspect = [](const QString& s) { return s.startsWith(QLatin1String("aspect")); };
    QStringList expectedAspects, foundAspects, expectedMarkers, foundMarkers;
    for (const QString& s : expected) {
        (isAspect(s) ? expectedAspects : expectedMarkers) << s;
    }
    for (const QString& s : found) {
        (isAspect(s) ? foundAspects : foundMarkers) << s;
    }
    expectedMarkers.sort();
    foundMarkers.sort();
    EXPECT_EQ(foundAspects, expectedAspects);
    EXPECT_EQ(foundMarkers, expectedMarkers);
}

TEST(WheelGeometry, ZeroAriesAtTheLeftLongitudeIncreasingAnticlockwise) {
    struct Case {
        double longitude;
        double x;
        double y;
    };
    const QPointF c(500.0, 500.0);
    const Case cases[] = {
        {0.0, 400.0, 500.0},   {90.0, 500.0, 600.0},  {180.0, 600.0, 500.0},
        {270.0, 500.0, 400.0}, {360.0, 400.0, 500.0}, {45.0, 500.0 - 70.710678, 500.0 + 70.710678},
        {-90.0, 500.0, 400.0},
    };
    for (const Case& k : cases) {
        const QPointF p = WheelPoint(c, 100.0, k.longitude);
        EXPECT_NEAR(p.x(), k.x, 1e-5) << k.longitude;
        EXPECT_NEAR(p.y(), k.y, 1e-5) << k.longitude;
    }
}

TEST(MarkerSpreading, NoTwoCloserThanTheGapOrderKeptLonersUntouched) {
    struct Case {
        const char* name;
        std::vector<double> longitudes;
        std::vector<bool> untouched;  // markers that have room and must stay at their place
    };
    const Case cases[] = {
        {"evenly spread",
         {0, 36, 72, 108, 144, 180, 216, 252, 288, 324},
         std::vector<bool>(10, true)},
        {"bunch across 0 Aries",
         {358.0, 359.5, 0.2, 1.0, 2.5, 90.0},
         {false, false, false, false, false, true}},
        {"two pairs", {10.0, 12.0, 200.0, 201.0, 100.0}, {false, false, false, false, true}},
        {"ten in three degrees",
         {120.0, 120.3, 120.6, 121.0, 121.4, 121.8, 122.1, 122.5, 122.8, 123.0},
         std::vector<bool>(10, false)},
        {"equal places", {300.0, 300.0, 300.0}, {false, false, false}},
    };
    const double gap = 8.0;
    for (const Case& k : cases) {
        std::vector<MarkerPlace> places;
        for (std::size_t i = 0; i < k.longitudes.size(); ++i) {
            places.push_back({static_cast<int>(i + 1), k.longitudes[i], 0.0});
        }
        const auto spread = SpreadMarkers(places, gap);
        ASSERT_EQ(spread.size(), places.size()) << k.name;
        for (std::size_t i = 0; i < spread.size(); ++i) {
            for (std::size_t j = i + 1; j < spread.size(); ++j) {
                EXPECT_GE(CircularDistance(spread[i].shownDeg, spread[j].shownDeg), gap - 1e-6)
                    << k.name << " bodies " << spread[i].body << " and " << spread[j].body;
            }
            const auto& p = spread[i];
            EXPECT_DOUBLE_EQ(p.trueDeg, k.longitudes[static_cast<std::size_t>(p.body - 1)])
                << k.name;
            if (k.untouched[static_cast<std::size_t>(p.body - 1)]) {
                EXPECT_NEAR(p.shownDeg, std::fmod(p.trueDeg + 360.0, 360.0), 1e-9) << k.name;
            }
            // A marker moves no further than its cluster is wide.
            EXPECT_LE(CircularDistance(p.shownDeg, p.trueDeg),
                      gap * static_cast<double>(spread.size()) / 2.0)
                << k.name;
        }
        // Going round by the true places, the shown places go round the same way.
        for (std::size_t i = 0; i < spread.size(); ++i) {
            const auto& a = spread[i];
            const auto& b = spread[(i + 1) % spread.size()];
            const double trueStep = std::fmod(b.trueDeg - a.trueDeg + 720.0, 360.0);
            const double shownStep = std::fmod(b.shownDeg - a.shownDeg + 720.0, 360.0);
            if (spread.size() > 2 && trueStep > 0.0) {
                EXPECT_LT(shownStep, 180.0 + trueStep) << k.name;
                EXPECT_GT(shownStep, 0.0) << k.name;
            }
        }
    }
}

TEST(WheelMarkers, CrowdedGlyphsDoNotOverlapAndLeadersPointAtTheTruePlace) {
    const WheelGeometry geo = WheelGeometry::ForSize(1000.0);
    const DisplayList list = BuildWheel(samples::CrowdedWheel(), 1000.0);
    struct Placed {
        QString ring;
        QRectF box;
    };
    std::vector<Placed> boxes;
    int markers = 0;
    for (const Group& g : list.groups) {
        const auto ring = std::ranges::find(g.attributes, QStringLiteral("data-ring"),
                                            [](const auto& a) { return a.first; });
        if (ring == g.attributes.end()) {
            continue;
        }
        ++markers;
        const auto lon = std::ranges::find(g.attributes, QStringLiteral("data-longitude"),
                                           [](const auto& a) { return a.first; });
        ASSERT_NE(lon, g.attributes.end());
        const double trueDeg = lon->second.toDouble();
        ASSERT_GE(g.shapes.size(), 4U);
        const Shape& tick = g.shapes[0];
        const Shape& leader = g.shapes[1];
        const Shape& glyph = g.shapes[2];
        ASSERT_EQ(leader.kind, Shape::Kind::Line);
        ASSERT_EQ(glyph.kind, Shape::Kind::Text);
        EXPECT_NEAR(CircularDistance(LongitudeOf(geo.centre, tick.p1), trueDeg), 0.0, 1e-6);
        EXPECT_NEAR(CircularDistance(LongitudeOf(geo.centre, leader.p1), trueDeg), 0.0, 1e-6);
        // The leader ends in line with the glyph it belongs to.
        EXPECT_NEAR(
            CircularDistance(LongitudeOf(geo.centre, leader.p2), LongitudeOf(geo.centre, glyph.p1)),
            0.0, 1e-6);
        // Every text of a marker, degree and minute included, is boxed.
        for (std::size_t s = 2; s < g.shapes.size(); ++s) {
            const Shape& t = g.shapes[s];
            const double w = TextWidth(list.fontFamily, t.fontSize, t.text);
            const double h = t.fontSize * 0.8;
            boxes.push_back({ring->second + QString::number(markers),
                             QRectF(t.p1.x() - w / 2.0, t.p1.y() - h / 2.0, w, h)});
        }
    }
    EXPECT_EQ(markers, 19);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].ring == boxes[j].ring) {
                continue;  // texts of one marker
            }
            EXPECT_FALSE(boxes[i].box.intersects(boxes[j].box))
                << boxes[i].ring.toStdString() << " and " << boxes[j].ring.toStdString();
        }
    }
}

TEST(PictureExport, SizeLimitsAndPixelRatio) {
    struct Case {
        int size;
        double ratio;
        bool ok;
        int expectedPixels;
    };
    const Case cases[] = {
        {199, 1.0, false, 0},    {200, 1.0, true, 200},  {10001, 1.0, false, 0},
        {1000, 1.0, true, 1000}, {500, 2.0, true, 1000}, {0, 1.0, false, 0},
    };
    const DisplayList wheel = BuildWheel(samples::CrowdedWheel());
    for (const Case& k : cases) {
        const ExportResult png = ExportPng(wheel, k.size, k.ratio);
        EXPECT_EQ(png.Ok(), k.ok) << k.size;
        if (!k.ok) {
            EXPECT_TRUE(png.bytes.isEmpty());
            EXPECT_FALSE(png.error.isEmpty());
            continue;
        }
        const QImage image = QImage::fromData(png.bytes, "PNG");
        EXPECT_EQ(image.width(), k.expectedPixels);
        EXPECT_EQ(image.height(), k.expectedPixels);
        // Drawn, not blank: some hundredth of the pixels carry ink.
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                dark += qGray(image.pixel(x, y)) < 200 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, image.width() * image.height() / 100) << k.size;
    }
}

}  // namespace
}  // namespace velmaris::pictures
