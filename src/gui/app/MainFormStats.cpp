// The statistics and chart commands of the main window.

#include "gui/app/MainForm.h"

#include "core/stats/StatColumn.h"
#include "core/table/Table.h"
#include "gui/chart/ChartWindow.h"
#include "gui/stats/StatisticsForm.h"
#include "gui/stats/StatisticsOptionsForm.h"
#include "gui/table/TableWin.h"

#include <QMdiArea>
#include <QMdiSubWindow>

// The statistics of the selected columns of the active table: their options first, then the
// report. Each run starts from the default settings of the columns.
void TMainForm::ComputeStatistics()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const TableSelection selection = active->CurrentSelection();
    std::vector<TStatColumnRec> records = MakeStatColumns(active->Table(), selection.Left, selection.Top,
                                                          selection.Right, selection.Bottom);
    if (!TStatisticsOptionsForm::Edit(records, active->Table().RowCount() - 1, this))
        return;
    TStatisticsForm::Show(records, m_ui, this);
}

// A chart window on the selected columns of the active table (a single cell stands for its column).
void TMainForm::ShowChart()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const TableSelection selection = active->CurrentSelection();
    std::vector<int> columns;
    for (int c = selection.Left; c <= selection.Right; ++c)
        columns.push_back(c);
    auto* chart = new TChartWin(active->Table(), columns);
    QMdiSubWindow* window = m_mdiArea->addSubWindow(chart);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(chart->size());
    window->show();
}
