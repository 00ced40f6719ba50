#include "gui/calc/CalcRunner.h"

#include "core/calc/CalcManager.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CalcRunner)
};

// "Wiersze: 12 288 z 306 600, pozostało około 1 min 20 s"
QString ProgressText(int done, int total, qint64 elapsedMs)
{
    QString text = Texts::tr("Wiersze: %L1 z %L2").arg(done).arg(total);
    if (done <= 0 || elapsedMs < 1000)
        return text;
    const qint64 left = elapsedMs * (total - done) / done / 1000;
    const QString time = left >= 60 ? Texts::tr("%1 min %2 s").arg(left / 60).arg(left % 60)
                                    : Texts::tr("%1 s").arg(left);
    return text + Texts::tr(", pozostało około %1").arg(time);
}

}   // namespace

TCalcProgress::TCalcProgress(int total, QWidget* parent)
    : QProgressDialog(ProgressText(0, total, 0), Texts::tr("Anuluj"), 0, total, parent)
{
    setObjectName(QStringLiteral("CalcProgress"));
    setWindowTitle(Texts::tr("Obliczenia"));
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(500);
    setAutoClose(false);
    setAutoReset(false);
    setMinimumWidth(fontMetrics().horizontalAdvance(ProgressText(9'999'999, 9'999'999, 3'600'000)) * 3 / 2);
}

void TCalcProgress::ShowRows(int done, int total, qint64 elapsedMs)
{
    setMaximum(total);
    setValue(std::min(done, total - 1));
    setLabelText(ProgressText(done, total, elapsedMs));
}

bool RunCalculation(CalcManager& manager, QWidget* frozen, QWidget* parent)
{
    TTable& destination = *manager.Destination();
    // What the run changes is told on this thread: the modified marker now, the cells at the end.
    destination.SetModified(true);
    TableUpdate update(destination);
    if (frozen)
        frozen->setUpdatesEnabled(false);

    std::atomic<int> done{0};
    std::atomic<int> total{int(std::clamp<qint64>(manager.RowsNeeded(), 1, std::numeric_limits<int>::max()))};
    std::atomic<bool> cancel{false};
    bool completed = false;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        completed = manager.Run(
            [&](int rows, int all) {
                done.store(rows, std::memory_order_relaxed);
                total.store(std::max(all, 1), std::memory_order_relaxed);
            },
            &cancel);
    }));

    TCalcProgress progress(total, parent);
    QElapsedTimer clock;
    QTimer tick;
    tick.setInterval(100);
    QObject::connect(&tick, &QTimer::timeout, &progress, [&] {
        if (cancel)
            return;
        progress.ShowRows(done, total, clock.elapsed());
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&] {
        cancel = true;
        progress.setLabelText(Texts::tr("Przerywanie obliczeń ..."));
    });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);

    clock.start();
    worker->start();
    tick.start();
    loop.exec();
    worker->wait();

    if (frozen)
        frozen->setUpdatesEnabled(true);
    return completed;
}
