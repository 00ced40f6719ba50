#include "BenchSupport.h"

#include "core/indices/KindFactory.h"
#include "core/table/Table.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>

void BenchUi::ShowMessage(const QString& text, Icon)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QString ShippedFile(const char* name)
{
    return QStringLiteral(SALVENTO_BIN_DIR "/") + QString::fromUtf8(name);
}

DataManager& ShippedKinds()
{
    static DataManager kinds(CreateKind, ShippedFile("SALVENTO.INI"), QStringLiteral("PL"),
                             QStringLiteral(SALVENTO_BIN_DIR));
    return kinds;
}

double PeakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Calculates the chosen indices (every possible one when none are named) from `source` into a
// new table, once per benchmark iteration, by `run` (the engine on this thread when none).
void Calculate(benchmark::State& state, TableSet& tables, TTable& source, const std::optional<KindFlags>& indices,
               const std::function<void(CalcManager&)>& run)
{
    BenchUi ui;
    ui.choices.SimpleSources = {TableEntryText(source)};
    ui.choices.SimpleDestination = NewTableText();
    ui.indices = indices;
    int rows = 0;
    for (auto _ : state) {
        CalcSettings settings;
        CalcManager manager(settings, ShippedKinds(), tables, ui);
        if (!manager.Calculate()) {
            state.SkipWithError("nothing to calculate");
            return;
        }
        if (run)
            run(manager);
        else
            manager.Run();
        rows = source.RowCount() - 1;
        state.PauseTiming();
        tables.Close(manager.Destination());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows/s"] = benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate);
}
