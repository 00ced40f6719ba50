// The desktop's calculation (a worker thread under a progress dialog) against the batch tool's
// (the engine on the calling thread), every index on a year of hourly rows 35 times over: the
// dialog must not pace the engine.

#include "BenchSupport.h"

#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "gui/calc/CalcRunner.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Years = 35;

// The example year repeated: 306,600 rows.
TTable& ManyYears(TableSet& tables)
{
    static QTemporaryDir scratch;
    QFile example(ShippedFile("examples/station-year.txt"));
    example.open(QIODevice::ReadOnly);
    const QByteArray header = example.readLine();
    const QByteArray rows = example.readAll();
    const QString path = scratch.filePath(QStringLiteral("years.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(header);
    for (int year = 0; year < Years; ++year)
        file.write(rows);
    file.close();
    BenchUi ui;
    RecentFiles recent;
    return *OpenDataFile(path, tables, nullptr, ShippedKinds(), ui, recent);
}

void BM_EveryIndexBatch(benchmark::State& state)
{
    TableSet tables;
    Calculate(state, tables, ManyYears(tables), std::nullopt);
}
BENCHMARK(BM_EveryIndexBatch)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_EveryIndexDesktop(benchmark::State& state)
{
    TableSet tables;
    Calculate(state, tables, ManyYears(tables), std::nullopt,
              [](CalcManager& manager) { RunCalculation(manager, nullptr, nullptr); });
}
BENCHMARK(BM_EveryIndexDesktop)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}   // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
