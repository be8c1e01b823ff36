// Start-up to the first page, and one Forward, through the program's state object.
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/regional_settings.h"
#include "platform/text_area.h"
#include "report/program.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

class KeptText final : public platform::TextArea {
  public:
    [[nodiscard]] bool IsMinimised() const override { return false; }
    void SetText(const QString& newText) override { text = newText; }
    QString text;
};

// The shipped data files in a folder of their own.
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

void BM_StartUpToFirstPage(benchmark::State& state) {
    DataCopy data;
    FixedClock clock;
    FixedRegional regional;
    SilentMessages messages;
    KeptText text;
    for (auto _ : state) {
        domain::Program program({clock, regional, messages, text, data.Path()});
        program.StartUp();
        benchmark::DoNotOptimize(text.text);
    }
    if (!text.text.contains(QStringLiteral(" degree) - "))) {
        state.SkipWithError("the first page lists no aspect: data files not found");
    }
}
BENCHMARK(BM_StartUpToFirstPage)->Unit(benchmark::kMillisecond);

void BM_Forward(benchmark::State& state) {
    DataCopy data;
    FixedClock clock;
    FixedRegional regional;
    SilentMessages messages;
    KeptText text;
    domain::Program program({clock, regional, messages, text, data.Path()});
    program.StartUp();
    for (auto _ : state) {
        // Each page is kept in the whole buffer; clear it now and then, as a user would.
        if (program.Buffer().AllLineCount() > 20000) {
            state.PauseTiming();
            program.Buffer().Reset();
            state.ResumeTiming();
        }
        program.Forward();
        benchmark::DoNotOptimize(text.text);
    }
}
BENCHMARK(BM_Forward)->Unit(benchmark::kMillisecond);

}  // namespace
