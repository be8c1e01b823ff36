// The windowed program on the offscreen platform, with the test rig's fakes around it: start-up
// to the first page shown in Text1, one Forward through the menu item, and Print data with a
// full buffer (staging and opening the review window).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include "app/app_fixture.h"

namespace {

using namespace velmaris;

void BM_AppStartUpToFirstPageShown(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<testing::AppRig>();
        state.ResumeTiming();
        rig->window->StartUp();
        rig->window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(rig->Text1()->document());
        state.PauseTiming();
        rig.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppStartUpToFirstPageShown)->Unit(benchmark::kMillisecond);

void BM_AppForward(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::AppRig rig;
    rig.window->StartUp();
    rig.window->show();
    QAction* forward = rig.Action("mnuMoreZForward");
    for (auto _ : state) {
        if (rig.program->Buffer().AllLineCount() > 20000) {
            state.PauseTiming();
            rig.program->Buffer().Reset();
            rig.messages.shown.clear();
            state.ResumeTiming();
        }
        forward->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppForward)->Unit(benchmark::kMillisecond);

// The review window must stay responsive with the largest buffer there can be.
void BM_AppPrintDataFullBuffer(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::AppRig rig;
    rig.window->StartUp();
    rig.window->show();
    domain::DataBuffer& buffer = rig.program->Buffer();
    buffer.Reset();
    for (int i = 0; i < domain::kBufferLineLimit; ++i) {
        buffer.AppendBufferLine(
            QStringLiteral("     SUN Square MOON (1.2 degree) - SUN at 12 TAU 05"));
    }
    QAction* printData = rig.Action("mnuPrintData");
    for (auto _ : state) {
        printData->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("PrntFile")) {
                window->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppPrintDataFullBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
