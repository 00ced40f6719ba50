#pragma once

#include <QWidget>

class QLabel;
class QTableView;
class TableModel;
class TableSet;
class TTable;
class UserInterface;

// The window of one table: the grid over the core table and a status bar of two panels that
// describe the current cell (the description of its column's kind, and its value in full).
// Closing a table with unsaved changes asks first; the table is freed with its window.
class TTableWin : public QWidget
{
    Q_OBJECT

public:
    TTableWin(TTable& table, TableSet& tables, UserInterface& ui, QWidget* parent = nullptr);
    ~TTableWin() override;

    TTable& Table() const { return m_table; }
    QTableView* Grid() const { return m_grid; }

    // The selected rectangle of data cells in table coordinates (columns and rows from 1), and the
    // current cell; the current cell alone when nothing is selected.
    struct Selection
    {
        int left = 1, top = 1, right = 1, bottom = 1;
        int column = 1, row = 1;
    };
    Selection CurrentSelection() const;
    // Makes the cell (c, r) of the table current and selected, and scrolls it into view.
    void SelectCell(int c, int r);

    // Whether closing may go on: asks when the table has unsaved changes.
    bool MayClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowCurrentCell();

    TTable& m_table;
    TableSet& m_tables;
    UserInterface& m_ui;
    TableModel* m_model;
    QTableView* m_grid;
    QLabel* m_columnPanel;
    QLabel* m_valuePanel;
};
