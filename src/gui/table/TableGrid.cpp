#include "gui/table/TableGrid.h"

#include <QScopedValueRollback>

void TableGrid::SelectBlock(const QModelIndex& anchor, const QModelIndex& current)
{
    // A grid's selection is set without scrolling: a press on a column header must not carry the
    // view to the column's last row.
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(false);
    {
        const QScopedValueRollback plain(m_plain, true);
        setCurrentIndex(anchor);   // the view's own way of setting its anchor
    }
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(anchor, current), QItemSelectionModel::ClearAndSelect);
    setAutoScroll(autoScroll);
}

QItemSelectionModel::SelectionFlags TableGrid::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // The view would otherwise ask the keyboard: with Ctrl held (Ctrl+Up) it would toggle, with
    // Shift extend, and in neither case start the selection at the index.
    return m_plain ? QItemSelectionModel::ClearAndSelect : QTableView::selectionCommand(index, event);
}
