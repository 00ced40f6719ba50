// Recording a table's changes into its journal, and taking them back.

#include "core/table/TableJournal.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int None = std::numeric_limits<int>::max();

}   // namespace

TableRecording::TableRecording(TTable& table, TableJournal& journal) : m_table(table), m_outer(table.m_journal)
{
    m_table.m_journal = &journal;
}

TableRecording::~TableRecording()
{
    m_table.m_journal = m_outer;
}

void TTable::RecordCells(int c, int top, int bottom)
{
    if (!m_journal)
        return;
    TableJournal& journal = *m_journal;
    bottom = std::min(bottom, journal.m_freshRow - 1);
    if (c >= journal.m_freshColumn || bottom < top)
        return;
    // The column's latest run goes on when these rows follow it; a cell is taken back by the latest
    // run that holds it first, so an earlier run never grows over a later one.
    TableJournal::Cells* run = nullptr;
    if (const auto found = journal.m_lastRun.find(c); found != journal.m_lastRun.end()) {
        auto& latest = std::get<TableJournal::Cells>(journal.m_entries[found->second]);
        if (latest.Top + int(latest.Old.size()) == top)
            run = &latest;
    }
    if (!run) {
        journal.m_entries.emplace_back(TableJournal::Cells{c, top, {}, {}});
        journal.m_lastRun[c] = journal.m_entries.size() - 1;
        run = &std::get<TableJournal::Cells>(journal.m_entries.back());
    }
    const Column& column = ColumnAt(c);
    const auto first = std::ptrdiff_t(top - 1);
    const auto end = std::ptrdiff_t(bottom);
    const std::size_t before = run->Old.size();
    run->Old.insert(run->Old.end(), column.cells.begin() + first, column.cells.begin() + end);
    if (column.texts.empty())
        return;
    for (auto r = first; r < end; ++r)
        if (const QString& text = column.texts[std::size_t(r)]; !text.isEmpty())
            run->Texts.emplace_back(int(before) + int(r - first), text);
}

void TTable::RecordRangeStates(int c)
{
    if (!m_journal || c >= m_journal->m_freshColumn)
        return;
    TableJournal::RangeStates entry{c, {}};
    const Column& column = ColumnAt(c);
    entry.Old.reserve(column.cells.size());
    for (const StoredCell& cell : column.cells)
        entry.Old.push_back(cell.value.RangeState);
    m_journal->m_entries.emplace_back(std::move(entry));
}

void TTable::RecordHeader(int c)
{
    if (m_journal)
        m_journal->m_entries.emplace_back(TableJournal::Header{c, ColumnAt(c).name, ColumnAt(c).kind});
}

void TTable::RecordLabels(int first, int last)
{
    if (!m_journal)
        return;
    last = std::min(last, m_journal->m_freshRow - 1);
    if (last < first)
        return;
    m_journal->m_entries.emplace_back(TableJournal::Labels{
        first,
        std::vector<int>(m_labels.begin() + std::ptrdiff_t(first - 1), m_labels.begin() + std::ptrdiff_t(last))});
}

void TTable::RecordRowsInserted(int at, int count, bool appended)
{
    if (!m_journal)
        return;
    m_journal->m_entries.emplace_back(TableJournal::RowsInserted{at, count});
    m_journal->m_lastRun.clear();
    if (!appended)
        m_journal->m_freshRow = None;
    else if (m_journal->m_freshRow == None)
        m_journal->m_freshRow = at;
}

void TTable::RecordRowsRemoved(int first, int count)
{
    if (!m_journal)
        return;
    const auto begin = std::ptrdiff_t(first - 1);
    const auto end = begin + count;
    TableJournal::RowsRemoved entry{first, std::vector<int>(m_labels.begin() + begin, m_labels.begin() + end), {}, {}};
    for (const Column& column : m_columns) {
        entry.Cells.emplace_back(column.cells.begin() + begin, column.cells.begin() + end);
        entry.Texts.emplace_back();
        if (!column.texts.empty())
            entry.Texts.back().assign(column.texts.begin() + begin, column.texts.begin() + end);
    }
    m_journal->m_entries.emplace_back(std::move(entry));
    m_journal->m_lastRun.clear();
    m_journal->m_freshRow = None;
}

void TTable::RecordColumnsInserted(int at, int count, bool appended)
{
    if (!m_journal)
        return;
    m_journal->m_entries.emplace_back(TableJournal::ColumnsInserted{at, count});
    m_journal->m_lastRun.clear();
    if (!appended)
        m_journal->m_freshColumn = None;
    else if (m_journal->m_freshColumn == None)
        m_journal->m_freshColumn = at;
}

void TTable::RecordColumnsRemoved(int first, int count)
{
    if (!m_journal)
        return;
    const auto begin = m_columns.begin() + std::ptrdiff_t(first - 1);
    m_journal->m_entries.emplace_back(TableJournal::ColumnsRemoved{
        first, std::vector<Column>(std::make_move_iterator(begin), std::make_move_iterator(begin + count))});
    m_journal->m_lastRun.clear();
    m_journal->m_freshColumn = None;
}

void TTable::RecordMove(bool row, int from, int to)
{
    if (!m_journal)
        return;
    if (row) {
        m_journal->m_entries.emplace_back(TableJournal::RowMoved{from, to});
        m_journal->m_freshRow = None;
    } else {
        m_journal->m_entries.emplace_back(TableJournal::ColumnMoved{from, to});
        m_journal->m_freshColumn = None;
    }
    m_journal->m_lastRun.clear();
}

qint64 TableJournal::Bytes() const
{
    constexpr qint64 Cell = sizeof(TTable::StoredCell);
    constexpr qint64 Text = sizeof(QString);
    const auto texts = [](const auto& strings) {
        qint64 bytes = 0;
        for (const QString& text : strings)
            bytes += Text + 2 * text.size();
        return bytes;
    };
    qint64 bytes = 0;
    for (const Entry& entry : m_entries) {
        bytes += sizeof(Entry);
        if (const auto* cells = std::get_if<Cells>(&entry)) {
            bytes += Cell * qint64(cells->Old.size());
            for (const auto& [offset, text] : cells->Texts)
                bytes += sizeof(offset) + Text + 2 * text.size();
        } else if (const auto* states = std::get_if<RangeStates>(&entry)) {
            bytes += qint64(states->Old.size());
        } else if (const auto* rows = std::get_if<RowsRemoved>(&entry)) {
            bytes += qint64(sizeof(int) * rows->Labels.size());
            for (std::size_t c = 0; c < rows->Cells.size(); ++c)
                bytes += Cell * qint64(rows->Cells[c].size()) + texts(rows->Texts[c]);
        } else if (const auto* columns = std::get_if<ColumnsRemoved>(&entry)) {
            for (const TTable::Column& column : columns->Columns)
                bytes += Cell * qint64(column.cells.size()) + texts(column.texts);
        }
    }
    return bytes;
}

// Puts back what one journal entry says was there; the table's own operations record the reversal.
struct TTable::Reverter
{
    TTable& table;

    void operator()(TableJournal::Cells& entry) const
    {
        const int bottom = entry.Top + int(entry.Old.size()) - 1;
        table.RecordCells(entry.Column, entry.Top, bottom);
        Column& column = table.ColumnAt(entry.Column);
        std::copy(entry.Old.begin(), entry.Old.end(), column.cells.begin() + std::ptrdiff_t(entry.Top - 1));
        if (!column.texts.empty())
            std::fill_n(column.texts.begin() + std::ptrdiff_t(entry.Top - 1), entry.Old.size(), QString());
        for (auto& [offset, text] : entry.Texts)
            table.KeptText(entry.Column, entry.Top + offset) = std::move(text);
        table.CellsChanged(entry.Column, entry.Top, entry.Column, bottom);
    }
    void operator()(TableJournal::RangeStates& entry) const
    {
        table.RecordRangeStates(entry.Column);
        Column& column = table.ColumnAt(entry.Column);
        for (std::size_t i = 0; i < entry.Old.size(); ++i)
            column.cells[i].value.RangeState = entry.Old[i] & 3U;
        table.CellsChanged(entry.Column, 1, entry.Column, table.RowCount() - 1);
    }
    void operator()(TableJournal::Header& entry) const { table.SetHeader(entry.Column, entry.Name, entry.Kind); }
    void operator()(TableJournal::Labels& entry) const
    {
        const int last = entry.First + int(entry.Old.size()) - 1;
        table.RecordLabels(entry.First, last);
        std::copy(entry.Old.begin(), entry.Old.end(), table.m_labels.begin() + std::ptrdiff_t(entry.First - 1));
        table.LabelsChanged(entry.First, last);
    }
    void operator()(TableJournal::RowsInserted& entry) const { table.RemoveRows(entry.At, entry.Count); }
    void operator()(TableJournal::RowsRemoved& entry) const
    {
        const int count = int(entry.Labels.size());
        table.InsertRows(entry.First, count);
        const auto at = std::ptrdiff_t(entry.First - 1);
        std::copy(entry.Labels.begin(), entry.Labels.end(), table.m_labels.begin() + at);
        for (std::size_t i = 0; i < table.m_columns.size(); ++i) {
            Column& column = table.m_columns[i];
            std::copy(entry.Cells[i].begin(), entry.Cells[i].end(), column.cells.begin() + at);
            if (entry.Texts[i].empty())
                continue;
            if (column.texts.empty())
                column.texts.resize(column.cells.size());
            std::move(entry.Texts[i].begin(), entry.Texts[i].end(), column.texts.begin() + at);
        }
        table.LabelsChanged(entry.First, entry.First + count - 1);
        table.CellsChanged(1, entry.First, table.ColCount() - 1, entry.First + count - 1);
    }
    void operator()(TableJournal::ColumnsInserted& entry) const { table.RemoveColumns(entry.At, entry.Count); }
    void operator()(TableJournal::ColumnsRemoved& entry) const
    {
        const int count = int(entry.Columns.size());
        const int last = entry.First + count - 1;
        table.RecordColumnsInserted(entry.First, count, false);
        emit table.columnsAboutToBeInserted(entry.First, last);
        table.m_columns.insert(table.m_columns.begin() + std::ptrdiff_t(entry.First - 1),
                               std::make_move_iterator(entry.Columns.begin()),
                               std::make_move_iterator(entry.Columns.end()));
        emit table.columnsInserted(entry.First, last);
    }
    void operator()(TableJournal::RowMoved& entry) const { table.MoveRow(entry.To, entry.From); }
    void operator()(TableJournal::ColumnMoved& entry) const { table.MoveColumn(entry.To, entry.From); }
};

TableJournal TTable::Revert(TableJournal&& journal)
{
    TableJournal reversal;
    const TableRecording recording(*this, reversal);
    const TableUpdate update(*this);
    for (auto entry = journal.m_entries.rbegin(); entry != journal.m_entries.rend(); ++entry)
        std::visit(Reverter{*this}, *entry);
    journal = TableJournal();
    return reversal;
}
