// Renders the sample wheel and timeline as PNG at 1x and 2x and as SVG into a directory, so
// that the pictures can be looked at.

#include "pictures/picture_export.h"
#include "pictures/sample_pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

bool Save(const QString& path, const velmaris::pictures::ExportResult& result) {
    if (!result.Ok()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(result.error));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(result.bytes) != result.bytes.size()) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    using namespace velmaris::pictures;
    const DisplayList wheel = BuildWheel(samples::CrowdedWheel());
    const DisplayList timeline = BuildTimeline(samples::YearTimeline());
    bool ok = Save(dir + QStringLiteral("/wheel.png"), ExportPng(wheel, 1000));
    ok = Save(dir + QStringLiteral("/wheel@2x.png"), ExportPng(wheel, 1000, 2.0)) && ok;
    ok = Save(dir + QStringLiteral("/wheel.svg"), ExportSvg(wheel)) && ok;
    ok = Save(dir + QStringLiteral("/timeline.png"), ExportPng(timeline, 1200)) && ok;
    ok = Save(dir + QStringLiteral("/timeline@2x.png"), ExportPng(timeline, 1200, 2.0)) && ok;
    ok = Save(dir + QStringLiteral("/timeline.svg"), ExportSvg(timeline)) && ok;
    return ok ? 0 : 1;
}
