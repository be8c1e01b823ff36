// Speed of the report cycle: one page with nine full interpretation files in the program
// folder, a year of Forward pages, and appending to the data buffer up to its limit.
#include "../tests/support/fakes.h"
#include "buffer/data_buffer.h"
#include "report/name_tables.h"
#include "session/program.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

using velmaris::domain::AspectName;
using velmaris::domain::DataBuffer;
using velmaris::domain::Latin1;
using velmaris::domain::PlanetNames;
using velmaris::session::Program;
using velmaris::session::ProgramServices;
namespace testing = velmaris::testing;
namespace domain = velmaris::domain;

// The nine aspects the report looks up, as aspect-table indexes.
constexpr int kReportedAspects[] = {2, 3, 4, 5, 6, 8, 9, 10, 11};

// An interpretation file of 90 entries (9 aspects x 10 natal bodies), four lines of text each.
// The entries run from the Moon back to the Sun, so most lookups read well into the file.
QByteArray FullInterpretationFile(int transiting) {
    QByteArray text;
    for (int natal = 10; natal >= 1; --natal) {
        for (const int aspect : kReportedAspects) {
            text += Latin1(PlanetNames[static_cast<std::size_t>(transiting)]).toLatin1() + ' ' +
                    Latin1(AspectName(aspect)).toLatin1() + ' ' +
                    Latin1(PlanetNames[static_cast<std::size_t>(natal)]).toLatin1() + "\r\n";
            for (int line = 0; line < 4; ++line) {
                text +=
                    "     A line of interpretation text of ordinary length for the reader "
                    "to take in.\r\n";
            }
            text += "\r\n";
        }
    }
    return text;
}

// Counts messages without keeping them: a year of pages fills the buffer, and every refused line
// brings the full-buffer message.
class CountingMessages final : public velmaris::platform::MessageBoxes {
  public:
    void Show(const QString&, const QString&, velmaris::platform::MessageStyle) override {
        ++count;
    }
    long count = 0;
};

// A wide orb of 5 degrees, for pages of many aspects, and the everyday 1.5 degrees.
const QByteArray kOptions = "5\r\n7\r\n4\r\n1950\r\n9\r\n45\r\n0\r\n5\r\n-1\r\n60\r\n61\r\n80\r\n";
const QByteArray kEverydayOptions =
    "1.5\r\n7\r\n4\r\n1950\r\n9\r\n45\r\n0\r\n5\r\n-1\r\n60\r\n61\r\n80\r\n";

// A program started on a folder with the options and nine full interpretation files.
struct StartedProgram {
    testing::DataFolder folder;
    testing::FixedClock clock{QDateTime(QDate(2026, 12, 4), QTime(22, 15, 40))};
    testing::FixedRegional regional{0, 0};
    CountingMessages messages;
    testing::RecordingTextArea textArea;
    Program program{ProgramServices{clock, regional, messages, textArea, folder.Path()}};

    explicit StartedProgram(const QByteArray& options = kOptions) {
        folder.Write(QStringLiteral("OPTIONS.OPT"), options);
        for (int t = 1; t <= 9; ++t) {
            folder.Write(Latin1(PlanetNames[static_cast<std::size_t>(t)]) + QStringLiteral(".TXT"),
                         FullInterpretationFile(t));
        }
        program.StartUp();
    }
};

void BM_ReportPage(benchmark::State& state) {
    StartedProgram data;
    Program& program = data.program;
    for (auto _ : state) {
        program.Buffer().ClearAllData();
        program.Forward();
        benchmark::DoNotOptimize(data.textArea.text.size());
    }
    state.counters["lines/page"] = program.Buffer().PageLineCount();
}
BENCHMARK(BM_ReportPage)->Unit(benchmark::kMicrosecond);

// A year of Forward pages into an emptied buffer, each time round.
void RunYearOfForwardPages(benchmark::State& state, Program& program) {
    for (auto _ : state) {
        program.Buffer().ClearAllData();
        for (int day = 0; day < 365; ++day) {
            program.Forward();
        }
        benchmark::DoNotOptimize(program.Buffer().AllLineCount());
    }
    state.counters["lines/year"] = program.Buffer().AllLineCount();
}

void BM_YearOfForwardPages(benchmark::State& state) {
    StartedProgram data;
    RunYearOfForwardPages(state, data.program);
}
BENCHMARK(BM_YearOfForwardPages)->Unit(benchmark::kMillisecond);

// The first page with More > Show Timing on, which searches the windows of every transiting
// body on it, and a year of Forward pages with timing, which search again only as the days leave
// the spans searched. range(0): the orb in tenths of a degree.
const QByteArray& OptionsWithOrb(std::int64_t tenths) {
    return tenths == 15 ? kEverydayOptions : kOptions;
}

void BM_FirstPageWithTiming(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto data = std::make_unique<StartedProgram>(OptionsWithOrb(state.range(0)));
        data->program.SetShowTiming(true);
        state.ResumeTiming();
        data->program.Forward();
        benchmark::DoNotOptimize(data->textArea.text.size());
        state.PauseTiming();
        data.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPageWithTiming)->Arg(15)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_YearOfForwardPagesWithTiming(benchmark::State& state) {
    StartedProgram data(OptionsWithOrb(state.range(0)));
    data.program.SetShowTiming(true);
    RunYearOfForwardPages(state, data.program);
}
BENCHMARK(BM_YearOfForwardPagesWithTiming)->Arg(15)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_AppendUpToLimit(benchmark::State& state) {
    long refused = 0;
    const domain::NoticeSink notices = [&refused](const domain::Notice&) { ++refused; };
    const QString line = QStringLiteral("     A line of a report page of ordinary length.");
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        DataBuffer buffer(notices);
        for (int i = 0; i < count; ++i) {
            buffer.AppendBufferLine(line);
        }
        benchmark::DoNotOptimize(buffer.AllLineCount());
    }
    benchmark::DoNotOptimize(refused);
    state.SetComplexityN(count);
}
BENCHMARK(BM_AppendUpToLimit)->RangeMultiplier(2)->Range(1024, 32767)->Complexity(benchmark::oN);

}  // namespace
