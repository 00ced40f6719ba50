#pragma once

#include <QTableView>

// The grid of a table window: a table view whose selection can be set as a block with its anchor,
// whatever keys are held.
class TableGrid : public QTableView
{
public:
    using QTableView::QTableView;

    // Selects the block from `anchor`, the cell that Shift extends a selection from, to `current`,
    // which becomes the current cell. The view does not scroll.
    void SelectBlock(const QModelIndex& anchor, const QModelIndex& current);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;

private:
    bool m_plain = false;   // the cursor move under way starts a new selection
};
