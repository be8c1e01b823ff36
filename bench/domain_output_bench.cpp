// Saving and print-staging a full buffer of 32767 lines, through the same calls the Save and
// Print data commands make, and loading the staged file as the review window does.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "buffer/data_buffer.h"
#include "io/atomic_write.h"
#include "output/output_files.h"

namespace {

using namespace velmaris;
using namespace velmaris::domain;

QStringList FullBuffer() {
    QStringList lines;
    lines.reserve(kBufferLineLimit);
    for (int i = 0; i < kBufferLineLimit; ++i) {
        lines.append(
            i % 7 == 0 ? QStringLiteral("     SUN Square MOON (1.2 degree) - SUN at 12 TAU 05")
                       : QStringLiteral(
                             "Emotional restlessness tugs at your routines. Sudden family news,"));
    }
    return lines;
}

void BM_SaveFullBuffer(benchmark::State& state) {
    const QStringList lines = FullBuffer();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("12042026.TXT"));
    for (auto _ : state) {
        const io::WriteResult result = io::WriteFileAtomically(path, SavedBufferBytes(lines, 61));
        benchmark::DoNotOptimize(result.ok);
    }
}
BENCHMARK(BM_SaveFullBuffer)->Unit(benchmark::kMillisecond);

void BM_StageFullBuffer(benchmark::State& state) {
    const QStringList lines = FullBuffer();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(kStagingFileName);
    for (auto _ : state) {
        const io::WriteResult result = io::WriteFileAtomically(path, StagingFileBytes(lines));
        benchmark::DoNotOptimize(result.ok);
    }
}
BENCHMARK(BM_StageFullBuffer)->Unit(benchmark::kMillisecond);

void BM_LoadStagedFullBuffer(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(kStagingFileName);
    (void)io::WriteFileAtomically(path, StagingFileBytes(FullBuffer()));
    for (auto _ : state) {
        const StagedText staged = LoadStagedText(path, 72);
        benchmark::DoNotOptimize(staged.text.size());
    }
}
BENCHMARK(BM_LoadStagedFullBuffer)->Unit(benchmark::kMillisecond);

}  // namespace
