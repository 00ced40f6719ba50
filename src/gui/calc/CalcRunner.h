#pragma once

#include <QProgressDialog>

class CalcManager;
class QWidget;

// What a running calculation shows: rows done of all, the time left and Cancel.
class TCalcProgress : public QProgressDialog
{
    Q_OBJECT

public:
    TCalcProgress(int total, QWidget* parent);

    // `done` of `total` rows after `elapsedMs`; the time left is told once a second has gone by.
    void ShowRows(int done, int total, qint64 elapsedMs);
};

// Runs a prepared calculation on a worker thread while the user watches a progress dialog: rows
// done, time left and a Cancel button. The windows in `frozen` (the tables) are not redrawn while
// the worker writes; the destination tells its changes once, when the run is over. Cancelling, like
// an error inside a formula, keeps the rows already written. True when every row was calculated.
bool RunCalculation(CalcManager& manager, QWidget* frozen, QWidget* parent);
