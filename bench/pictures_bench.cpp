// Drawing the wheel and a year's timeline into a 1000-pixel image. Run with
// QT_QPA_PLATFORM=offscreen.

#include "pictures/picture_export.h"
#include "pictures/sample_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace velmaris::pictures;

void BM_WheelBuildAndPaint(benchmark::State& state) {
    const WheelInput input = samples::CrowdedWheel();
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const DisplayList list = BuildWheel(input);
        QPainter painter(&image);
        Paint(list, painter, QRectF(0, 0, 1000, 1000));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_WheelBuildAndPaint)->Unit(benchmark::kMillisecond);

void BM_WheelSvg(benchmark::State& state) {
    const WheelInput input = samples::CrowdedWheel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportSvg(BuildWheel(input)).bytes.size());
    }
}
BENCHMARK(BM_WheelSvg)->Unit(benchmark::kMillisecond);

// Thirty rows of ten windows: three hundred windows in the year.
void BM_YearTimelineBuildAndPaint(benchmark::State& state) {
    const TimelineInput input = samples::YearTimeline(3, 10);
    const QSizeF size = BuildTimeline(input).size;
    QImage image(1200, static_cast<int>(size.height()), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const DisplayList list = BuildTimeline(input);
        QPainter painter(&image);
        Paint(list, painter, QRectF(QPointF(0, 0), list.size));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["windows"] = 300;
}
BENCHMARK(BM_YearTimelineBuildAndPaint)->Unit(benchmark::kMillisecond);

void BM_YearTimelineSvg(benchmark::State& state) {
    const TimelineInput input = samples::YearTimeline(3, 10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ExportSvg(BuildTimeline(input)).bytes.size());
    }
}
BENCHMARK(BM_YearTimelineSvg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
