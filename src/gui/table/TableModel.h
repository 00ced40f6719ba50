#pragma once

#include <QAbstractTableModel>

class TableUndo;
class TTable;

// The item model over a core table, for the grid: model row r and column c are the table's data
// cell (c + 1, r + 1); the horizontal header shows the column names (bold, blue for a column bound
// to a data kind, red otherwise) and the vertical header the row labels. The model never copies
// cells: it reads the table when asked and forwards the table's signals. Text handed over by the
// in-place editor is stored as typed, one step of the table's undo stack, and marks the table
// modified, except that a valid number whose text was left as the editor showed it stays as it was.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TableModel(TTable& table, TableUndo& undo, QObject* parent = nullptr);

    TTable& Table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    TTable& m_table;
    TableUndo& m_undo;
};
