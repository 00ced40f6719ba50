// Rows per second of the calculation engine, on one thread (argument 1) and on every core (0).

#include "BenchSupport.h"

#include "core/table/DataFile.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

TTable& ExampleYear(TableSet& tables)
{
    BenchUi ui;
    RecentFiles recent;
    TTable* table = OpenDataFile(ShippedFile("examples/station-year.txt"), tables, nullptr, ShippedKinds(), ui, recent);
    return *table;
}

// The engine on the benchmark's count of threads; 0 stands for the default, every core.
std::function<void(CalcManager&)> OnThreads(const benchmark::State& state)
{
    const int threads = int(state.range(0));
    return [threads](CalcManager& manager) {
        if (threads > 0)
            manager.SetThreadCount(threads);
        manager.Run();
    };
}

KindFlags Only(std::initializer_list<int> ids)
{
    KindFlags flags{};
    for (const int id : ids)
        flags[std::size_t(id)] = true;
    return flags;
}

void BM_EveryIndexOnTheExampleYear(benchmark::State& state)
{
    TableSet tables;
    Calculate(state, tables, ExampleYear(tables), std::nullopt, OnThreads(state));
}
BENCHMARK(BM_EveryIndexOnTheExampleYear)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

void BM_HeatBalanceGroupOnTheExampleYear(benchmark::State& state)
{
    TableSet tables;
    Calculate(state, tables, ExampleYear(tables),
              Only({kind::mS, kind::STI, kind::PST, kind::HL, kind::STE, kind::ECI}), OnThreads(state));
}
BENCHMARK(BM_HeatBalanceGroupOnTheExampleYear)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2)
    ->UseRealTime();

void BM_UtciOnAMillionRows(benchmark::State& state)
{
    TableSet tables;
    TTable& source = *tables.NewTable();
    constexpr int Rows = 1'000'000;
    source.SetColCount(5);
    source.SetRowCount(Rows + 1);
    const char* names[] = {"t", "e", "Mrt", "v10m"};
    for (int c = 1; c <= 4; ++c)
        source.BindHeader(c, QString::fromLatin1(names[c - 1]), ShippedKinds());
    std::mt19937 random(7);
    std::uniform_real_distribution<float> temperature(-30, 40), wind(0.5f, 15), radiant(-10, 30), vapour(1, 30);
    for (int r = 1; r <= Rows; ++r) {
        const float t = temperature(random);
        source.SetCellNumber(1, r, t);
        source.SetCellNumber(2, r, vapour(random));
        source.SetCellNumber(3, r, t + radiant(random));
        source.SetCellNumber(4, r, wind(random));
    }
    Calculate(state, tables, source, Only({kind::UTCI}), OnThreads(state));
}
BENCHMARK(BM_UtciOnAMillionRows)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();

}   // namespace
