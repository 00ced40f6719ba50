#pragma once

#include "core/table/Table.h"

#include <cstdint>
#include <limits>
#include <map>
#include <utility>
#include <variant>
#include <vector>

// What one change did to a table, kept so that it can be taken back: while a journal is attached
// (TableRecording), the table writes into it what each operation is about to overwrite or remove,
// before doing it. TTable::Revert takes the change back and returns the journal of that reversal,
// which takes the change again.
//
// Only what changed is kept: the old cells of the cells written (12 bytes a cell plus texts that were
// kept), the old headers and labels, the rows and columns removed. Cells of rows and columns that
// the same change appended at the table's end are not kept (taking the change back removes them), so
// a calculation into an open table keeps only the cells of existing columns it overwrote.
class TableJournal
{
public:
    bool IsEmpty() const { return m_entries.empty(); }
    // About how much memory the journal holds.
    qint64 Bytes() const;

    // Consecutive cells of column Column from row Top on, as they were.
    struct Cells
    {
        int Column = 0;
        int Top = 0;
        std::vector<TTable::StoredCell> Old;
        std::vector<std::pair<int, QString>> Texts;   // the kept texts that were not empty, by offset
    };
    // The range states of column Column, as they were.
    struct RangeStates
    {
        int Column = 0;
        std::vector<std::uint8_t> Old;
    };
    struct Header
    {
        int Column = 0;
        QString Name;
        TAbstractData* Kind = nullptr;
    };
    struct Labels
    {
        int First = 0;
        std::vector<int> Old;
    };
    struct RowsInserted
    {
        int At = 0;
        int Count = 0;
    };
    // Data rows First… taken out: their labels and, per column, their cells and kept texts.
    struct RowsRemoved
    {
        int First = 0;
        std::vector<int> Labels;
        std::vector<std::vector<TTable::StoredCell>> Cells;
        std::vector<std::vector<QString>> Texts;
    };
    struct ColumnsInserted
    {
        int At = 0;
        int Count = 0;
    };
    struct ColumnsRemoved
    {
        int First = 0;
        std::vector<TTable::Column> Columns;
    };
    struct RowMoved
    {
        int From = 0;
        int To = 0;
    };
    struct ColumnMoved
    {
        int From = 0;
        int To = 0;
    };
    using Entry = std::variant<Cells, RangeStates, Header, Labels, RowsInserted, RowsRemoved, ColumnsInserted,
                               ColumnsRemoved, RowMoved, ColumnMoved>;

private:
    friend class TTable;

    std::vector<Entry> m_entries;
    // The entry holding the latest run of cells of each column (extended while rows follow on).
    std::map<int, std::size_t> m_lastRun;
    // Columns and rows from these on were appended by this change (none: the largest int).
    int m_freshColumn = std::numeric_limits<int>::max();
    int m_freshRow = std::numeric_limits<int>::max();
};

// Attaches a journal to a table for the lifetime of this object: what the table is changed by
// meanwhile is recorded into it.
class TableRecording
{
public:
    TableRecording(TTable& table, TableJournal& journal);
    ~TableRecording();
    TableRecording(const TableRecording&) = delete;
    TableRecording& operator=(const TableRecording&) = delete;

private:
    TTable& m_table;
    TableJournal* m_outer;
};
