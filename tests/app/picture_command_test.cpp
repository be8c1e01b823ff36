#include "app/picture_command.h"
#include "app/report_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QSet>

#include "app/app_fixture.h"
#include "pictures/svg_reading.h"

namespace velmaris::testing {
namespace {

struct PictureRun {
    int status = -1;
    QString err;
    QByteArray picture;
};

// Runs a picture command on a copy of the supplied data, writing into that folder.
PictureRun RunPicture(int (*command)(const QStringList&, const app::ListingCommandServices&,
                                     QTextStream&, QTextStream&),
                      QStringList arguments, const QString& fileName) {
    EnsureApplication();
    DataFolder folder;
    CopyDataFiles(folder);
    arguments << QStringLiteral("--output") << folder.FilePath(fileName);
    const CommandRun run = RunCommand(command, arguments, folder.Path());
    return {run.status, run.err, folder.Read(fileName)};
}

QString ReportPage(const QString& date) {
    DataFolder folder;
    CopyDataFiles(folder);
    return RunCommand(app::RunReport, {date}, folder.Path()).out;
}

// The wheel's aspect lines are the page's aspects, named as the page names them, and each
// transiting marker sits at the longitude the page prints for that body.
TEST(PictureCommandTest, WheelShowsThePagesAspects) {
    const PictureRun run = RunPicture(app::RunWheel, {"2026-12-06"}, "wheel.svg");
    ASSERT_EQ(run.status, app::kPictureOk) << run.err.toStdString();
    QString error;
    const auto groups = pictures::testing::ReadSvgGroups(run.picture, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    QSet<QString> drawn;
    QMap<QString, double> transitDeg;
    int natalMarkers = 0;
    for (const auto& group : groups) {
        if (group.data.contains(QStringLiteral("aspect"))) {
            drawn.insert(group.data[QStringLiteral("transit")] + ' ' +
                         group.data[QStringLiteral("aspect")] + ' ' +
                         group.data[QStringLiteral("natal")]);
        } else if (group.data.value(QStringLiteral("ring")) == QLatin1String("transit")) {
            transitDeg.insert(group.data[QStringLiteral("body")],
                              group.data[QStringLiteral("longitude")].toDouble());
        } else if (group.data.value(QStringLiteral("ring")) == QLatin1String("natal")) {
            ++natalMarkers;
        }
    }
    EXPECT_EQ(natalMarkers, 10);
    EXPECT_EQ(transitDeg.size(), 9);

    // "     SATURN Square URANUS (0.0 degree) - SATURN at 25 PIS 10"
    static const QRegularExpression kAspectLine(QStringLiteral(
        R"(^     (\S+) (\S+) (\S+) \(\d+\.\d degrees?\) - \S+ at (\d\d) (\w{3}) (\d\d)$)"));
    static const QString kSigns = QStringLiteral("ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS");
    QSet<QString> listed;
    const QStringList lines = ReportPage(QStringLiteral("2026-12-06")).split('\n');
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = kAspectLine.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        listed.insert(match.captured(1) + ' ' + match.captured(2) + ' ' + match.captured(3));
        const double printed = kSigns.indexOf(match.captured(5)) / 3 * 30.0 +
                               match.captured(4).toDouble() + match.captured(6).toDouble() / 60.0;
        EXPECT_NEAR(transitDeg.value(match.captured(1)), printed, 1.0 / 60.0 + 1e-9)
            << line.toStdString();
    }
    EXPECT_FALSE(listed.isEmpty());
    EXPECT_EQ(drawn, listed);
}

// The timeline of the first ten days of December 2026 holds the Saturn square that stations
// short of exact: a bar without a hit mark.
TEST(PictureCommandTest, TimelineDrawsTheWindowsOfThePeriod) {
    const PictureRun run = RunPicture(app::RunTimeline, {"2026-12-01", "2026-12-10"}, "t.svg");
    ASSERT_EQ(run.status, app::kPictureOk) << run.err.toStdString();
    const auto groups = pictures::testing::ReadSvgGroups(run.picture, nullptr);
    int saturnBars = 0;
    int bars = 0;
    for (const auto& group : groups) {
        if (!group.data.contains(QStringLiteral("enters"))) {
            continue;
        }
        ++bars;
        if (group.data[QStringLiteral("transit")] == QLatin1String("SATURN") &&
            group.data[QStringLiteral("aspect")] == QLatin1String("Square") &&
            group.data[QStringLiteral("natal")] == QLatin1String("URANUS")) {
            ++saturnBars;
            EXPECT_FALSE(group.data.contains(QStringLiteral("exact")));
        }
    }
    EXPECT_EQ(saturnBars, 1);
    EXPECT_GT(bars, 5);
}

TEST(PictureCommandTest, PngHasTheSizeAskedFor) {
    const PictureRun run = RunPicture(app::RunWheel, {"2026-12-06", "--size", "300"}, "w.png");
    ASSERT_EQ(run.status, app::kPictureOk) << run.err.toStdString();
    const QImage image = QImage::fromData(run.picture, "PNG");
    EXPECT_EQ(image.width(), 300);
    EXPECT_EQ(image.height(), 300);
}

}  // namespace
}  // namespace velmaris::testing
