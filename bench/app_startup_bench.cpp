// The windowed program on the offscreen platform: start-up to the first page shown in Text1,
// and one Forward through the menu item.
#include "app/main_window.h"
#include "platform/qt/qt_text_area.h"
#include "platform/qt/screen_metrics.h"
#include "report/program.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWidget>

namespace {

using namespace velmaris;

class FixedClock final : public platform::Clock {
  public:
    [[nodiscard]] QDateTime Now() const override {
        return QDateTime(QDate(2026, 12, 4), QTime(22, 15, 30));
    }
};

class FixedRegional final : public platform::RegionalSettings {
  public:
    [[nodiscard]] int DateOrder() const override { return 0; }
    [[nodiscard]] int TimeOrder() const override { return 0; }
    [[nodiscard]] QLocale Locale() const override {
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
};

class SilentMessages final : public platform::MessageBoxes {
  public:
    void Show(const QString&, const QString&, platform::MessageStyle) override {}
};

class FixedScreen final : public platform::ScreenMetrics {
  public:
    [[nodiscard]] double DpiX() const override { return 96; }
    [[nodiscard]] double DpiY() const override { return 96; }
    [[nodiscard]] int WidthPixels() const override { return 1280; }
};

class DataCopy {
  public:
    DataCopy() {
        const QDir data(
            QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../data")));
        for (const QString& name : data.entryList(QDir::Files)) {
            QFile::copy(data.filePath(name), QDir(dir_.path()).filePath(name));
        }
    }
    [[nodiscard]] QString Path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
};

QApplication& Application() {
    static int argc = 1;
    static char name[] = "velmaris_app_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

struct Rig {
    Rig() : program({clock, regional, messages, textArea, data.Path()}) {
        window = std::make_unique<app::MainWindow>(
            app::MainWindowServices{program, clock, messages, textArea, screen, fonts});
    }
    DataCopy data;
    FixedClock clock;
    FixedRegional regional;
    SilentMessages messages;
    platform::QtTextArea textArea;
    FixedScreen screen;
    platform::QtFontCatalog fonts;
    domain::Program program;
    std::unique_ptr<app::MainWindow> window;
};

void BM_AppStartUpToFirstPageShown(benchmark::State& state) {
    Application();
    for (auto _ : state) {
        state.PauseTiming();
        Rig rig;
        state.ResumeTiming();
        rig.window->StartUp();
        rig.window->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(rig.window->findChild<QPlainTextEdit*>()->document());
        state.PauseTiming();
        rig.window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppStartUpToFirstPageShown)->Unit(benchmark::kMillisecond);

void BM_AppForward(benchmark::State& state) {
    Application();
    Rig rig;
    rig.window->StartUp();
    rig.window->show();
    QAction* forward = rig.window->findChild<QAction*>(QStringLiteral("mnuMoreZForward"));
    for (auto _ : state) {
        if (rig.program.Buffer().AllLineCount() > 20000) {
            state.PauseTiming();
            rig.program.Buffer().Reset();
            state.ResumeTiming();
        }
        forward->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AppForward)->Unit(benchmark::kMillisecond);

// Print data with a full buffer of 32767 lines: staging the lines and opening the review window
// on them. The window must stay responsive with that much text.
void BM_AppPrintDataFullBuffer(benchmark::State& state) {
    Application();
    Rig rig;
    rig.window->StartUp();
    rig.window->show();
    domain::DataBuffer& buffer = rig.program.Buffer();
    buffer.Reset();
    for (int i = 0; i < domain::kBufferLineLimit; ++i) {
        buffer.AppendBufferLine(
            QStringLiteral("     SUN Square MOON (1.2 degree) - SUN at 12 TAU 05"));
    }
    QAction* printData = rig.window->findChild<QAction*>(QStringLiteral("mnuPrintData"));
    for (auto _ : state) {
        printData->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        for (QWidget* review : QApplication::topLevelWidgets()) {
            if (review->objectName() == QStringLiteral("PrntFile")) {
                review->close();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AppPrintDataFullBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
