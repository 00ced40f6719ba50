// The search commands of the main window: data in the active table, a column in the open tables,
// and the repetition of the last search from the new cursor position.

#include "app/MainForm.h"

#include "search/SearchColForm.h"
#include "search/SearchColumn.h"
#include "search/SearchData.h"
#include "search/SearchDataForm.h"
#include "table/Table.h"
#include "table/TableWin.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

void TMainForm::FindData()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const int column = active->CurrentSelection().Col;
    if (!TSearchDataForm::Edit(m_search, active->Table().ColumnKind(column), this))
        return;
    Action("acSzukajZnow")->setEnabled(true);
    SearchDataIn(*active);
}

void TMainForm::FindColumn()
{
    const std::optional<QString> name = TSearchColForm::Ask(*m_kinds, m_search.ColumnName, this);
    if (!name)
        return;
    m_search.ColumnName = *name;
    m_search.Type = skColumn;
    Action("acSzukajZnow")->setEnabled(true);
    SearchColumnFromActive();
}

void TMainForm::FindAgain()
{
    if (m_search.Type == skColumn)
        SearchColumnFromActive();
    else if (TTableWin* active = ActiveTableWin())
        SearchDataIn(*active);
}

void TMainForm::SearchDataIn(TTableWin& window)
{
    const TableSelection cursor = window.CurrentSelection();
    if (const std::optional<TFoundCell> found = SearchData(window.Table(), m_search, cursor.Col, cursor.Row, m_ui))
        window.SelectCell(found->Col, found->Row);
}

void TMainForm::SearchColumnFromActive()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const std::optional<TFoundColumn> found =
        SearchColumn(m_tables, active->Table(), active->CurrentSelection().Col, m_search.ColumnName, m_ui);
    if (!found)
        return;
    TTableWin* window = WindowOf(found->Table);
    for (QMdiSubWindow* child : m_mdiArea->subWindowList())
        if (child->widget() == window)
            m_mdiArea->setActiveSubWindow(child);
    window->SelectCell(found->Col, window->CurrentSelection().Row);
}
