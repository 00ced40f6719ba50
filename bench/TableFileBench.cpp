// Time and peak memory to load and to save a data file of a million rows and ten columns.

#include "BenchSupport.h"

#include "core/table/DataFile.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int Rows = 1'000'000;

// A tab-separated file of ten kinds' columns with two-decimal numbers.
const QString& BigFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("big.txt"));
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write("t\ttd\tv\tp\tM\tac\tlat\tKdir\tKdif\tvis\n");
        std::mt19937 random(11);
        std::uniform_real_distribution<double> value(-20, 40);
        QByteArray line;
        for (int r = 0; r < Rows; ++r) {
            line.clear();
            for (int c = 0; c < 10; ++c) {
                line += QByteArray::number(value(random), 'f', 2);
                line += c < 9 ? '\t' : '\n';
            }
            out.write(line);
        }
        return file;
    }();
    return path;
}

void BM_LoadAMillionRowsOfTenColumns(benchmark::State& state)
{
    const QString path = BigFile();
    double peak = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        TableSet tables;
        BenchUi ui;
        RecentFiles recent;
        TTable* table = OpenDataFile(path, tables, nullptr, ShippedKinds(), ui, recent);
        benchmark::DoNotOptimize(table);
        peak = std::max(peak, PeakMemoryMB());
    }
    state.counters["peak MB"] = peak;
}
BENCHMARK(BM_LoadAMillionRowsOfTenColumns)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveAMillionRowsOfTenColumns(benchmark::State& state)
{
    TableSet tables;
    BenchUi ui;
    RecentFiles recent;
    TTable* table = OpenDataFile(BigFile(), tables, nullptr, ShippedKinds(), ui, recent);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("saved.txt"));
    double peak = 0;
    for (auto _ : state) {
        ResetPeakMemory();
        benchmark::DoNotOptimize(WriteTableFile(*table, out));
        peak = std::max(peak, PeakMemoryMB());
    }
    state.counters["peak MB"] = peak;
}
BENCHMARK(BM_SaveAMillionRowsOfTenColumns)->Unit(benchmark::kMillisecond)->Iterations(3);

}   // namespace
