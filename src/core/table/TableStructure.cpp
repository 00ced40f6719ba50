// The rows and columns of a table: finding, adding, resizing, inserting, removing and moving them.

#include "core/table/Table.h"

#include <algorithm>

namespace {

// The element at `from` moves to `to`; those between close up.
template <typename T> void MoveElement(std::vector<T>& items, int from, int to)
{
    const auto at = [&items](int index) { return items.begin() + std::ptrdiff_t(index); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
}

}   // namespace

int TTable::ColumnIndexOf(QStringView name) const
{
    if (name.isEmpty())
        return 0;   // the empty corner cell
    for (int c = 1; c < ColCount(); ++c)
        if (QStringView(ColumnAt(c).name).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

int TTable::AddColumn(const QString& name, TAbstractData* kind)
{
    const int c = ColCount();
    SetColCount(c + 1);
    SetHeader(c, name, kind);
    SetModified(true);
    return c;
}

void TTable::AppendRows(int n)
{
    if (n <= 0)
        return;
    const int first = RowCount();
    SetRowCount(first + n);
    SetRowLabels(first, first + n - 1);
    SetModified(true);
}

void TTable::SetColCount(int count)
{
    count = std::max(count, 2);
    Q_ASSERT(SizeAllowed(count - 1, RowCount() - 1));
    const int old = ColCount();
    if (count > old) {
        RecordColumnsInserted(old, count - old, true);
        emit columnsAboutToBeInserted(old, count - 1);
        m_columns.resize(std::size_t(count - 1));
        for (int c = old; c < count; ++c)
            ColumnAt(c).cells.resize(m_labels.size());
        emit columnsInserted(old, count - 1);
    } else if (count < old) {
        RecordColumnsRemoved(count, old - count);
        emit columnsAboutToBeRemoved(count, old - 1);
        m_columns.resize(std::size_t(count - 1));
        emit columnsRemoved(count, old - 1);
    }
}

void TTable::SetRowCount(int count)
{
    count = std::max(count, 2);
    Q_ASSERT(SizeAllowed(ColCount() - 1, count - 1));
    const int old = RowCount();
    if (count == old)
        return;
    if (count > old) {
        RecordRowsInserted(old, count - old, true);
        emit rowsAboutToBeInserted(old, count - 1);
    } else {
        RecordRowsRemoved(count, old - count);
        emit rowsAboutToBeRemoved(count, old - 1);
    }
    const auto rows = std::size_t(count - 1);
    m_labels.resize(rows);
    for (Column& column : m_columns) {
        column.cells.resize(rows);
        if (!column.texts.empty())
            column.texts.resize(rows);
    }
    if (count > old)
        emit rowsInserted(old, count - 1);
    else
        emit rowsRemoved(count, old - 1);
}

void TTable::ClearDataCells()
{
    for (int c = 1; c < ColCount(); ++c)
        RecordCells(c, 1, RowCount() - 1);
    for (Column& column : m_columns) {
        std::fill(column.cells.begin(), column.cells.end(), StoredCell());
        column.texts.clear();
    }
    CellsChanged(1, 1, ColCount() - 1, RowCount() - 1);
}

void TTable::InsertRows(int at, int count)
{
    Q_ASSERT(at >= 1 && at <= RowCount());
    Q_ASSERT(SizeAllowed(ColCount() - 1, qint64(RowCount()) - 1 + count));
    if (count <= 0)
        return;
    RecordRowsInserted(at, count, false);
    emit rowsAboutToBeInserted(at, at + count - 1);
    const auto index = std::ptrdiff_t(at - 1);
    const auto n = std::size_t(count);
    m_labels.insert(m_labels.begin() + index, n, 0);
    for (Column& column : m_columns) {
        column.cells.insert(column.cells.begin() + index, n, StoredCell());
        if (!column.texts.empty())
            column.texts.insert(column.texts.begin() + index, n, QString());
    }
    emit rowsInserted(at, at + count - 1);
}

void TTable::RemoveRows(int first, int count)
{
    if (count <= 0)
        return;
    Q_ASSERT(first >= 1 && first + count <= RowCount() && count < RowCount() - 1);
    const int last = first + count - 1;
    RecordRowsRemoved(first, count);
    emit rowsAboutToBeRemoved(first, last);
    const auto begin = std::ptrdiff_t(first - 1);
    const auto end = std::ptrdiff_t(last);
    m_labels.erase(m_labels.begin() + begin, m_labels.begin() + end);
    for (Column& column : m_columns) {
        column.cells.erase(column.cells.begin() + begin, column.cells.begin() + end);
        if (!column.texts.empty())
            column.texts.erase(column.texts.begin() + begin, column.texts.begin() + end);
    }
    emit rowsRemoved(first, last);
}

void TTable::InsertColumns(int at, int count)
{
    Q_ASSERT(at >= 1 && at <= ColCount());
    Q_ASSERT(SizeAllowed(qint64(ColCount()) - 1 + count, RowCount() - 1));
    if (count <= 0)
        return;
    RecordColumnsInserted(at, count, false);
    emit columnsAboutToBeInserted(at, at + count - 1);
    const auto index = std::ptrdiff_t(at - 1);
    m_columns.insert(m_columns.begin() + index, std::size_t(count), Column());
    for (int c = at; c < at + count; ++c)
        ColumnAt(c).cells.resize(m_labels.size());
    emit columnsInserted(at, at + count - 1);
}

void TTable::RemoveColumns(int first, int count)
{
    if (count <= 0)
        return;
    Q_ASSERT(first >= 1 && first + count <= ColCount() && count < ColCount() - 1);
    const int last = first + count - 1;
    RecordColumnsRemoved(first, count);
    emit columnsAboutToBeRemoved(first, last);
    m_columns.erase(m_columns.begin() + std::ptrdiff_t(first - 1), m_columns.begin() + std::ptrdiff_t(last));
    emit columnsRemoved(first, last);
}

void TTable::MoveRow(int from, int to)
{
    Q_ASSERT(from >= 1 && from < RowCount() && to >= 1 && to < RowCount());
    if (from == to)
        return;
    RecordMove(true, from, to);
    emit rowsAboutToBeMoved(from, to);
    MoveElement(m_labels, from - 1, to - 1);
    for (Column& column : m_columns) {
        MoveElement(column.cells, from - 1, to - 1);
        if (!column.texts.empty())
            MoveElement(column.texts, from - 1, to - 1);
    }
    emit rowsMoved(from, to);
}

void TTable::MoveColumn(int from, int to)
{
    Q_ASSERT(from >= 1 && from < ColCount() && to >= 1 && to < ColCount());
    if (from == to)
        return;
    RecordMove(false, from, to);
    emit columnsAboutToBeMoved(from, to);
    MoveElement(m_columns, from - 1, to - 1);
    emit columnsMoved(from, to);
}
