#include "gui/table/TableModel.h"

#include "core/data/AbstractData.h"
#include "core/table/Editing.h"
#include "core/table/Table.h"
#include "gui/table/TableUndo.h"

#include <QBrush>
#include <QFont>

namespace {

// Cell colours: silver for a cell without a valid number (text or missing), red for a number
// outside the range of the column's kind, white otherwise. Selected cells are cyan (the view's
// palette).
const QColor Silver(192, 192, 192);
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

}   // namespace

TableModel::TableModel(TTable& table, TableUndo& undo, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_undo(undo)
{
    // Grid coordinates of the table are model coordinates plus one.
    connect(&table, &TTable::cellsChanged, this, [this](int left, int top, int right, int bottom) {
        emit dataChanged(index(top - 1, left - 1), index(bottom - 1, right - 1));
    });
    connect(&table, &TTable::headerChanged, this,
            [this](int first, int last) { emit headerDataChanged(Qt::Horizontal, first - 1, last - 1); });
    connect(&table, &TTable::rowLabelsChanged, this,
            [this](int first, int last) { emit headerDataChanged(Qt::Vertical, first - 1, last - 1); });
    connect(&table, &TTable::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows(QModelIndex(), first - 1, last - 1); });
    connect(&table, &TTable::rowsInserted, this, [this] { endInsertRows(); });
    connect(&table, &TTable::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows(QModelIndex(), first - 1, last - 1); });
    connect(&table, &TTable::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&table, &TTable::columnsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertColumns(QModelIndex(), first - 1, last - 1); });
    connect(&table, &TTable::columnsInserted, this, [this] { endInsertColumns(); });
    connect(&table, &TTable::columnsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveColumns(QModelIndex(), first - 1, last - 1); });
    connect(&table, &TTable::columnsRemoved, this, [this] { endRemoveColumns(); });
    // The table says where a moved row (column) ends up; an item model says before which of the
    // rows as they were it goes: one further on when it moves down.
    connect(&table, &TTable::rowsAboutToBeMoved, this, [this](int from, int to) {
        beginMoveRows(QModelIndex(), from - 1, from - 1, QModelIndex(), to > from ? to : to - 1);
    });
    connect(&table, &TTable::rowsMoved, this, [this] { endMoveRows(); });
    connect(&table, &TTable::columnsAboutToBeMoved, this, [this](int from, int to) {
        beginMoveColumns(QModelIndex(), from - 1, from - 1, QModelIndex(), to > from ? to : to - 1);
    });
    connect(&table, &TTable::columnsMoved, this, [this] { endMoveColumns(); });
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.RowCount() - 1;
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.ColCount() - 1;
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int c = index.column() + 1;
    const int r = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return m_table.DisplayText(c, r);
    case Qt::EditRole:
        return m_table.EditText(c, r);
    case Qt::BackgroundRole: {
        const TCellData& cell = m_table.CellData(c, r);
        return QBrush(cell.NoValidValue ? Silver : cell.RangeState == 1 ? Red : White);
    }
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    default:
        return QVariant();
    }
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const int c = index.column() + 1;
    const int r = index.row() + 1;
    const QString text = value.toString();
    // A number left as the editor showed it keeps its full precision: storing the shortened text
    // back would turn 3.14159 into 3.14 merely by opening and closing the editor.
    if (!m_table.CellData(c, r).NoValidValue && text == m_table.EditText(c, r))
        return true;
    m_undo.Change(tr("wpisywanie"), [&] { StoreTypedText(m_table, c, r, text); });
    return true;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return m_table.RowLabel(section + 1);
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_table.HeaderText(section + 1);
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::ForegroundRole:
        return QBrush(m_table.ColumnKind(section + 1) ? QColor(0, 0, 255) : Red);
    default:
        return QVariant();
    }
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}
