#include "pictures/timeline.h"
#include "pictures/picture_export.h"
#include "pictures/sample_pictures.h"
#include "pictures/svg_reading.h"

#include <QFile>
#include <QImage>
#include <QTextStream>

#include <gtest/gtest.h>

namespace velmaris::pictures {
namespace {

struct ExpectedBar {
    QString transit, aspect, natal, enters, leaves, clip;
    QStringList drawnHits;
};

QDateTime ParseMoment(const QString& text) {
    QDateTime t = QDateTime::fromString(text, Qt::ISODate);
    t.setTimeSpec(Qt::UTC);
    return t;
}

// Reads the bar table and builds the timeline input from it, rows in reverse order so that
// the drawing has to sort them.
std::vector<ExpectedBar> ReadBars(TimelineInput& input) {
    QFile file(QStringLiteral(VELMARIS_TEST_DATA_DIR "/pictures/timeline_bars.txt"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    std::vector<ExpectedBar> bars;
    input.from = samples::Utc(2025, 1, 1);
    input.to = samples::Utc(2026, 1, 1);
    input.today = samples::Utc(2025, 7, 2, 12);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ExpectedBar bar{f[0], f[1], f[2], f[3], f[4], f[5], {}};
        TimelineWindow window{ParseMoment(f[3]), ParseMoment(f[4]), {}};
        for (qsizetype i = 6; i < f.size(); ++i) {
            QString hit = f[i];
            const bool outside = hit.startsWith(QLatin1Char('-'));
            if (outside) {
                hit.remove(0, 1);
            }
            const QStringList parts = hit.split(QLatin1Char('/'));
            window.hits.push_back({ParseMoment(parts[0]), parts[1].toInt(), parts[2].toInt()});
            if (!outside) {
                bar.drawnHits << parts[0];
            }
        }
        bars.push_back(bar);
        auto row = std::ranges::find_if(input.rows, [&](const TimelineRow& r) {
            return r.transit == bar.transit && r.aspect == bar.aspect && r.natal == bar.natal;
        });
        if (row == input.rows.end()) {
            input.rows.insert(input.rows.begin(),
                              TimelineRow{bar.transit, bar.aspect, bar.natal, {}});
            row = input.rows.begin();
        }
        row->windows.push_back(window);
    }
    return bars;
}

TEST(TimelineSvg, BarsCarryWholeWindowsAndAreClippedAtThePeriodEdges) {
    TimelineInput input;
    const std::vector<ExpectedBar> expected = ReadBars(input);
    ASSERT_EQ(expected.size(), 5U);
    ASSERT_EQ(input.rows.front().transit, QStringLiteral("MOON"));
    const TimelineLayout layout(input, 1200.0);
    const ExportResult svg = ExportSvg(BuildTimeline(input, 1200.0));
    ASSERT_TRUE(svg.Ok());
    QString error;
    const auto groups = testing::ReadSvgGroups(svg.bytes, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    const double left = layout.PlotLeft();
    const double right = layout.PlotRight();
    const double from = static_cast<double>(input.from.toSecsSinceEpoch());
    const double span = static_cast<double>(input.to.toSecsSinceEpoch()) - from;
    const auto xOf = [&](const QString& iso) {
        return left + (static_cast<double>(ParseMoment(iso).toSecsSinceEpoch()) - from) / span *
                          (right - left);
    };
    std::size_t bar = 0;
    QStringList marks;
    for (const auto& g : groups) {
        if (g.data.contains(QStringLiteral("exact"))) {
            marks << g.data.value(QStringLiteral("exact"));
            continue;
        }
        if (!g.data.contains(QStringLiteral("enters"))) {
            continue;
        }
        if (bar > 0) {
            EXPECT_EQ(marks, expected[bar - 1].drawnHits) << "bar " << bar - 1;
        }
        marks.clear();
        ASSERT_LT(bar, expected.size());
        const ExpectedBar& e = expected[bar];
        EXPECT_EQ(g.data.value(QStringLiteral("transit")), e.transit) << bar;
        EXPECT_EQ(g.data.value(QStringLiteral("aspect")), e.aspect) << bar;
        EXPECT_EQ(g.data.value(QStringLiteral("natal")), e.natal) << bar;
        EXPECT_EQ(g.data.value(QStringLiteral("enters")), e.enters) << bar;
        EXPECT_EQ(g.data.value(QStringLiteral("leaves")), e.leaves) << bar;
        ASSERT_FALSE(g.children.empty());
        const auto& rect = g.children.front();
        ASSERT_EQ(rect.name, QStringLiteral("rect"));
        const double x1 = rect.attributes.value(QStringLiteral("x")).toDouble();
        const double x2 = x1 + rect.attributes.value(QStringLiteral("width")).toDouble();
        const bool clipLeft = e.clip == QLatin1String("left") || e.clip == QLatin1String("both");
        const bool clipRight = e.clip == QLatin1String("right") || e.clip == QLatin1String("both");
        EXPECT_NEAR(x1, clipLeft ? left : xOf(e.enters), 0.011) << bar;
        if (xOf(e.leaves) - xOf(e.enters) > 2.0) {
            EXPECT_NEAR(x2, clipRight ? right : xOf(e.leaves), 0.011) << bar;
        }
        ++bar;
    }
    EXPECT_EQ(bar, expected.size());
    EXPECT_EQ(marks, expected.back().drawnHits);
}

TEST(TimelineLayout, RowsFromTheSlowestBodyDownInputOrderWithinABody) {
    TimelineInput input;
    for (const char* body : {"MOON", "SUN", "PLUTO", "MARS", "SUN", "NEPTUNE", "MERCURY"}) {
        input.rows.push_back({QString::fromLatin1(body),
                              QStringLiteral("Trine"),
                              QString::number(input.rows.size()),
                              {}});
    }
    input.from = samples::Utc(2025, 1, 1);
    input.to = samples::Utc(2025, 2, 1);
    const TimelineLayout layout(input, 1000.0);
    const std::vector<int> expected = {2, 5, 3, 1, 4, 6, 0};
    EXPECT_EQ(layout.Order(), expected);
    for (std::size_t k = 1; k < expected.size(); ++k) {
        EXPECT_GE(layout.RowTop(expected[k]), layout.RowTop(expected[k - 1]) + layout.RowHeight());
    }
}

TEST(TimelineLayout, HitTestFindsRowAndWindowAndDates) {
    TimelineInput input;
    ReadBars(input);
    const TimelineLayout layout(input, 1200.0);
    // Rows in input: MOON, MARS, SATURN, PLUTO (reversed from the table).
    const auto rowOf = [&](const char* transit) {
        for (std::size_t i = 0; i < input.rows.size(); ++i) {
            if (input.rows[i].transit == QLatin1String(transit)) {
                return static_cast<int>(i);
            }
        }
        return -1;
    };
    const auto midY = [&](int row) { return layout.RowTop(row) + layout.RowHeight() / 2.0; };
    struct Case {
        const char* name;
        QPointF point;
        int row;  // -2: nothing
        int window;
    };
    const int saturn = rowOf("SATURN");
    const Case cases[] = {
        {"pluto bar from the left edge",
         {layout.PlotLeft() + 1.0, midY(rowOf("PLUTO"))},
         rowOf("PLUTO"),
         0},
        {"saturn second window", {layout.XOf(samples::Utc(2025, 12, 1)), midY(saturn)}, saturn, 1},
        {"saturn first window", {layout.XOf(samples::Utc(2025, 5, 15)), midY(saturn)}, saturn, 0},
        {"saturn row between windows",
         {layout.XOf(samples::Utc(2025, 8, 1)), midY(saturn)},
         saturn,
         -1},
        {"mars whole period", {layout.PlotRight() - 1.0, midY(rowOf("MARS"))}, rowOf("MARS"), 0},
        {"label column", {10.0, midY(saturn)}, -2, -2},
        {"above the rows", {layout.XOf(samples::Utc(2025, 5, 15)), layout.Top() - 5.0}, -2, -2},
        {"below the rows", {600.0, layout.Size().height() - 1.0}, -2, -2},
    };
    for (const Case& k : cases) {
        const auto hit = layout.HitTest(k.point);
        if (k.row == -2) {
            EXPECT_FALSE(hit.has_value()) << k.name;
            continue;
        }
        ASSERT_TRUE(hit.has_value()) << k.name;
        EXPECT_EQ(hit->row, k.row) << k.name;
        EXPECT_EQ(hit->window, k.window) << k.name;
    }
    struct DateCase {
        double x;
        const char* iso;
    };
    const double l = layout.PlotLeft();
    const double w = layout.PlotRight() - l;
    const DateCase dates[] = {
        {l, "2025-01-01T00:00:00Z"},           {l + w, "2026-01-01T00:00:00Z"},
        {l + w / 2.0, "2025-07-02T12:00:00Z"}, {l + w / 365.0, "2025-01-02T00:00:00Z"},
        {l - 50.0, "2025-01-01T00:00:00Z"},    {l + w + 50.0, "2026-01-01T00:00:00Z"},
    };
    for (const DateCase& d : dates) {
        EXPECT_EQ(IsoMoment(layout.DateAt(d.x)), QString::fromLatin1(d.iso)) << d.x;
    }
}

TEST(TimelineSvg, TodayLineAndMonthTicksInsideThePeriod) {
    TimelineInput input;
    ReadBars(input);
    const auto groups = testing::ReadSvgGroups(WriteSvg(BuildTimeline(input, 1200.0)), nullptr);
    const auto today = std::ranges::find_if(
        groups, [](const auto& g) { return g.data.contains(QStringLiteral("today")); });
    ASSERT_NE(today, groups.end());
    EXPECT_EQ(today->data.value(QStringLiteral("today")), QStringLiteral("2025-07-02T12:00:00Z"));
    const TimelineLayout layout(input, 1200.0);
    const double x = (layout.PlotLeft() + layout.PlotRight()) / 2.0;
    EXPECT_NEAR(today->children.front().attributes.value(QStringLiteral("x1")).toDouble(), x,
                0.011);

    input.today = samples::Utc(2026, 3, 1);
    const auto later = testing::ReadSvgGroups(WriteSvg(BuildTimeline(input, 1200.0)), nullptr);
    EXPECT_TRUE(std::ranges::none_of(
        later, [](const auto& g) { return g.data.contains(QStringLiteral("today")); }));

    // Twelve month names for the twelve months of the year.
    int names = 0;
    for (const auto& g : groups) {
        for (const auto& c : g.children) {
            names += c.name == QLatin1String("text") &&
                     c.attributes.value(QStringLiteral("y")).toDouble() < layout.Top() - 10.0 &&
                     c.attributes.value(QStringLiteral("fill")) != QStringLiteral("#d55e00");
        }
    }
    EXPECT_EQ(names, 12);
}

}  // namespace
}  // namespace velmaris::pictures

namespace velmaris::pictures {
namespace {

TEST(TimelinePng, HeightFollowsTheRowsAndTheRatioDoublesThePixels) {
    const TimelineInput input = samples::YearTimeline(2, 3);
    const DisplayList list = BuildTimeline(input, 1200.0);
    const TimelineLayout layout(input, 1200.0);
    ASSERT_EQ(list.size, layout.Size());
    // Twenty rows, nine gaps between the ten bodies.
    EXPECT_NEAR(list.size.height() - layout.Top(), 20.0 * layout.RowHeight() + 9.0 * 8.0 + 16.0,
                1e-9);
    struct Case {
        int width;
        double ratio;
    };
    for (const Case k : {Case{1200, 1.0}, Case{600, 2.0}, Case{300, 1.0}}) {
        const ExportResult png = ExportPng(list, k.width, k.ratio);
        ASSERT_TRUE(png.Ok()) << png.error.toStdString();
        const QImage image = QImage::fromData(png.bytes, "PNG");
        EXPECT_EQ(image.width(), static_cast<int>(k.width * k.ratio));
        EXPECT_NEAR(image.height(), k.width * k.ratio * list.size.height() / 1200.0, 1.0);
    }
}

}  // namespace
}  // namespace velmaris::pictures
