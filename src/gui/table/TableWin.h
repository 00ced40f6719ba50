#pragma once

#include "core/table/Editing.h"

#include <QWidget>

#include <functional>

class QAbstractButton;
class QHeaderView;
class QLabel;
class QTableView;
class TableGrid;
class TableModel;
class TableSet;
class TableUndo;
class TTable;
class UserInterface;

// The window of one table: the grid over the core table and a status bar of two panels that
// describe the current cell (the description of its column's kind, and its value in full).
// Typed text is stored when the in-place editor closes or the cursor moves on; Esc leaves the cell
// as it was. A press on a column header selects the column, on the corner every data cell;
// Ctrl+Up selects the current column. Dragging a row label or a column header moves the row or
// column in the table (a change that can be undone, like every change made through the window). Closing a table with
// unsaved changes asks first; the table is freed with its window.
class TTableWin : public QWidget
{
    Q_OBJECT

public:
    TTableWin(TTable& table, TableSet& tables, UserInterface& ui, QWidget* parent = nullptr);
    ~TTableWin() override;

    TTable& Table() const { return m_table; }
    QTableView* Grid() const;
    // The table's undo stack: every change made through the window's commands is a step of it.
    TableUndo& Undo() const { return *m_undo; }

    // The marked block of data cells and the current cell, in table coordinates (columns and rows
    // from 1); the current cell alone when the block does not hold it.
    TableSelection CurrentSelection() const;
    // Makes the cell (c, r) of the table current and selected, and scrolls it into view.
    void SelectCell(int c, int r);
    // Widens or narrows every column to its header and the cells of its first rows, within limits,
    // as after a file was loaded.
    void FitColumnWidths();
    // Makes (c, r) the current and only selected cell, moved back inside the table when it lies
    // beyond the last column or row, and scrolls it into view.
    void SetCurrentCell(int c, int r);
    // Marks the block of data cells from (left, top), the anchor that Shift extends from, to
    // (right, bottom), which becomes the current cell. The grid does not scroll.
    void SelectBlock(int left, int top, int right, int bottom);
    // Whether the in-place editor is open.
    bool Editing() const;

    // Whether closing may go on. A table with unsaved changes asks whether to save them (through
    // the save handler), to discard them, or not to close after all.
    bool MayClose();
    // How the table is saved when closing asks for it; true when it was saved.
    void SetSaveHandler(std::function<bool()> save) { m_save = std::move(save); }

signals:
    // A column header was pressed twice: the column's first row is current, and the column options
    // should be shown.
    void columnOptionsRequested();
    // The corner was pressed twice: the read/write options should be shown.
    void optionsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> m_save;
    void ShowCurrentCell();
    void SelectColumn(int c);
    void SelectAllCells();
    void ColumnHeaderPressed(int section);
    void ColumnHeaderDoubleClicked(int section);
    void SectionDragged(QHeaderView* header, int from, int to);

    TTable& m_table;
    TableSet& m_tables;
    UserInterface& m_ui;
    TableUndo* m_undo;
    TableModel* m_model;
    TableGrid* m_grid;
    QAbstractButton* m_corner;
    QLabel* m_columnPanel;
    QLabel* m_valuePanel;
    bool m_restoringOrder = false;   // the headers' own order is being put back after a drag
};
