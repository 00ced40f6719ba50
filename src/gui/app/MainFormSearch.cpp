// The search commands of the main window: data in the active table, a column in the open tables,
// and the repetition of the last search from the new cursor position.

#include "gui/app/MainForm.h"

#include "core/search/SearchColumn.h"
#include "core/search/SearchData.h"
#include "core/table/Table.h"
#include "gui/search/SearchColForm.h"
#include "gui/search/SearchDataForm.h"
#include "gui/table/TableWin.h"

#include <QAction>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace {

// How many columns of the grid lie wholly in view, from the first one shown.
int VisibleColumnCount(const QTableView& grid)
{
    const int width = grid.viewport()->width();
    const int columns = grid.model()->columnCount();
    int count = 0;
    for (int column = grid.columnAt(0); column >= 0 && column < columns; ++column) {
        if (grid.columnViewportPosition(column) + grid.columnWidth(column) > width)
            break;
        ++count;
    }
    return count;
}

// Puts the cursor into column c of the window, its row unchanged, and scrolls sideways only: when
// not every column fits, c comes to about the middle of the view.
void ShowFoundColumn(TTableWin& window, int c)
{
    const int row = window.CurrentSelection().Row;
    window.SelectBlock(c, row, c, row);
    QTableView* grid = window.Grid();
    const int visible = VisibleColumnCount(*grid);
    if (visible >= window.Table().ColCount() - 1)
        return;
    const int first = std::max(c - std::max(int(visible * 0.5 - 0.5), 1), 1) - 1;
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollMode() == QAbstractItemView::ScrollPerItem
                                              ? grid->horizontalHeader()->visualIndex(first)
                                              : grid->horizontalHeader()->sectionPosition(first));
}

}   // namespace

void TMainForm::FindData()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const int column = active->CurrentSelection().Col;
    if (!TSearchDataForm::Edit(m_workbench.Search(), active->Table().ColumnKind(column), this))
        return;
    m_actions.FindAgain->setEnabled(true);
    SearchDataIn(*active);
}

void TMainForm::FindColumn()
{
    const std::optional<QString> name = TSearchColForm::Ask(m_workbench.Kinds(), m_workbench.Search().ColumnName, this);
    if (!name)
        return;
    m_workbench.Search().ColumnName = *name;
    m_workbench.Search().Type = skColumn;
    m_actions.FindAgain->setEnabled(true);
    SearchColumnFromActive();
}

void TMainForm::FindAgain()
{
    if (m_workbench.Search().Type == skColumn)
        SearchColumnFromActive();
    else if (TTableWin* active = ActiveTableWin())
        SearchDataIn(*active);
}

void TMainForm::SearchDataIn(TTableWin& window)
{
    const TableSelection cursor = window.CurrentSelection();
    if (const std::optional<TFoundCell> found = SearchData(window.Table(), m_workbench.Search(), cursor.Col, cursor.Row,
                                                           m_ui))
        window.SelectCell(found->Col, found->Row);
}

void TMainForm::SearchColumnFromActive()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const std::optional<TFoundColumn> found = SearchColumn(
        m_workbench.Tables(), active->Table(), active->CurrentSelection().Col, m_workbench.Search().ColumnName, m_ui);
    if (!found)
        return;
    TTableWin* window = WindowOf(found->Table);
    for (QMdiSubWindow* child : m_mdiArea->subWindowList())
        if (child->widget() == window)
            m_mdiArea->setActiveSubWindow(child);
    ShowFoundColumn(*window, found->Col);
}
