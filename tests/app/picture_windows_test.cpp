#include "app/picture_windows.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_fixture.h"
#include "pictures/svg_reading.h"
#include "support/golden.h"

namespace velmaris::testing {
namespace {

// Transiting longitudes the window's wheel shows, by body name.
QMap<QString, double> TransitLongitudes(const app::PictureView& view) {
    QMap<QString, double> longitudes;
    for (const auto& group :
         pictures::testing::ReadSvgGroups(pictures::WriteSvg(view.Picture()), nullptr)) {
        if (group.data.value(QStringLiteral("ring")) == QLatin1String("transit")) {
            longitudes.insert(group.data[QStringLiteral("body")],
                              group.data[QStringLiteral("longitude")].toDouble());
        }
    }
    return longitudes;
}

template <typename Window>
Window* Open(StartedApp& app, const char* item, const char* name) {
    app.Action(item)->trigger();
    return app.window->findChild<Window*>(QLatin1String(name));
}

// The wheel follows the page: stepping a day forward moves the Sun by about a degree, and
// stepping back brings the same picture again.
TEST(PictureWindowsTest, WheelFollowsThePage) {
    StartedApp app;
    auto* wheel = Open<app::ChartWheelWindow>(app, "mnuMoreChartWheel", "frmChartWheel");
    ASSERT_NE(wheel, nullptr);
    const QMap<QString, double> first = TransitLongitudes(*wheel->View());
    ASSERT_EQ(first.size(), 9);
    app.Action("mnuMoreZForward")->trigger();
    const QMap<QString, double> next = TransitLongitudes(*wheel->View());
    EXPECT_NEAR(next[QStringLiteral("SUN")] - first[QStringLiteral("SUN")], 1.01, 0.03);
    app.Action("mnuMoreBackward")->trigger();
    EXPECT_EQ(TransitLongitudes(*wheel->View()), first);
}

// A click on a bar names the transit with its paragraph; a double click moves the page.
TEST(PictureWindowsTest, TimelineSelectsAndMovesThePage) {
    StartedApp app;
    auto* timeline = Open<app::TimelineWindow>(app, "mnuMoreTimeline", "frmTimeline");
    ASSERT_NE(timeline, nullptr);
    ASSERT_TRUE(timeline->ShowPeriod(QDate(2026, 12, 1), QDate(2026, 12, 10)));

    // The Saturn square of December 2026 stations short of exact.
    const pictures::Attributes saturnSquare = {
        {QStringLiteral("data-transit"), QStringLiteral("SATURN")},
        {QStringLiteral("data-aspect"), QStringLiteral("Square")},
        {QStringLiteral("data-natal"), QStringLiteral("URANUS")}};
    QRectF saturnBar;
    for (const pictures::Group& group : timeline->View()->Picture().groups) {
        for (const pictures::Shape& shape : group.shapes) {
            if (shape.kind == pictures::Shape::Kind::Rect &&
                std::ranges::all_of(saturnSquare, [&group](const auto& attribute) {
                    return std::ranges::count(group.attributes, attribute) == 1;
                })) {
                saturnBar = shape.rect;
            }
        }
    }
    ASSERT_FALSE(saturnBar.isEmpty());
    timeline->SelectAt(saturnBar.center());
    ExpectGolden(timeline->SelectedText().toUtf8(), QStringLiteral("app/timeline-selection.txt"));

    // The bar's right end lies on 10 December, the period's last day.
    timeline->MovePageTo(QPointF(saturnBar.right() - 1.0, saturnBar.center().y()));
    EXPECT_TRUE(app.DateLine().contains(QStringLiteral("10 Dec 2026")))
        << app.DateLine().toStdString();
}

TEST(PictureWindowsTest, RefusedPeriodsAndFilesAreTold) {
    StartedApp app;
    auto* timeline = Open<app::TimelineWindow>(app, "mnuMoreTimeline", "frmTimeline");
    ASSERT_NE(timeline, nullptr);
    app.messages.shown.clear();
    EXPECT_FALSE(timeline->ShowPeriod(QDate(2026, 12, 10), QDate(2026, 12, 1)));

    EXPECT_FALSE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("timeline.pdf"))));
    EXPECT_FALSE(QFile::exists(app.folder.FilePath(QStringLiteral("timeline.pdf"))));
    EXPECT_FALSE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("no/such/t.svg"))));
    ExpectGolden(QString::fromStdString(app.Shown())
                     .replace(app.folder.Path(), QStringLiteral("FOLDER"))
                     .toUtf8(),
                 QStringLiteral("app/timeline-refusals.txt"));

    EXPECT_TRUE(timeline->SavePicture(app.folder.FilePath(QStringLiteral("timeline.svg"))));
    EXPECT_TRUE(app.folder.Read(QStringLiteral("timeline.svg")).contains("data-enters="));
}

}  // namespace
}  // namespace velmaris::testing
