#include "app/picture_command.h"
#include "app/report_command.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>

#include "app/app_fixture.h"
#include "pictures/svg_reading.h"
#include "support/golden.h"

namespace velmaris::testing {
namespace {

// Runs a picture command on a copy of the supplied data and returns the picture it wrote into
// that folder.
template <typename Command>
QByteArray Picture(Command command, QStringList arguments, const QString& fileName) {
    EnsureApplication();
    DataFolder folder;
    CopyDataFiles(folder);
    arguments << QStringLiteral("--output") << folder.FilePath(fileName);
    const CommandRun run = RunCommand(command, arguments, folder.Path());
    EXPECT_EQ(run.status, app::kPictureOk) << run.err.toStdString();
    return folder.Read(fileName);
}

// A line per group of a picture that carries data: its data, then the kinds of its shapes.
QStringList DataLines(const QByteArray& svg) {
    QString error;
    const auto groups = pictures::testing::ReadSvgGroups(svg, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const auto kind = [](const pictures::testing::SvgElement& e) { return e.name; };
    return pictures::testing::GroupLines(groups, kind).filter(QStringLiteral("="));
}

// The page of 6 December 2026 and its wheel, in tests/data/app/wheel-2026-12-06.txt: the page's
// aspect lines, then the wheel's groups. The wheel's aspect lines are the page's aspects, named
// as the page names them, and each transiting marker sits at the longitude the page prints.
TEST(PictureCommandTest, WheelShowsThePagesAspects) {
    DataFolder folder;
    CopyDataFiles(folder);
    static const QRegularExpression kAspectLine(QStringLiteral(R"(^     \S+ \S+ \S+ \(\d)"));
    const QStringList page = RunCommand(app::RunReport, {"2026-12-06"}, folder.Path())
                                 .out.split('\n')
                                 .filter(kAspectLine);
    const QStringList wheel = DataLines(Picture(app::RunWheel, {"2026-12-06"}, "wheel.svg"));
    ExpectGolden((page + QStringList{QStringLiteral("---")} + wheel).join('\n').toUtf8() + '\n',
                 QStringLiteral("app/wheel-2026-12-06.txt"));
}

// The bars of the timeline of the first ten days of December 2026, each followed by its hit
// marks, are in tests/data/app/timeline-bars.txt; the Saturn square among them stations short of
// exact, so no mark follows it.
TEST(PictureCommandTest, TimelineDrawsTheWindowsOfThePeriod) {
    static const QRegularExpression kBarOrMark(QStringLiteral("^(aspect|exact)="));
    const QStringList lines =
        DataLines(Picture(app::RunTimeline, {"2026-12-01", "2026-12-10"}, "t.svg"))
            .filter(kBarOrMark);
    ExpectGolden(lines.join('\n').toUtf8() + '\n', QStringLiteral("app/timeline-bars.txt"));
}

TEST(PictureCommandTest, PngHasTheSizeAskedFor) {
    const QImage image =
        QImage::fromData(Picture(app::RunWheel, {"2026-12-06", "--size", "300"}, "w.png"), "PNG");
    EXPECT_EQ(image.size(), QSize(300, 300));
}

}  // namespace
}  // namespace velmaris::testing
