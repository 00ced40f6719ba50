// What a table's journal holds: only what a change overwrote or removed.

#include "core/table/TableJournal.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct JournalCase
{
    const char* change;
    std::function<void(TTable&)> make;
    qint64 cellsHeld;   // the cells the journal must hold (within a little bookkeeping)
};

TEST(TableJournal, HoldsOnlyWhatTheChangeOverwroteOrRemoved)
{
    constexpr int Rows = 10'000;
    constexpr qint64 Cell = 12;   // a stored cell: its value object and its decimals
    const JournalCase cases[] = {
        {"one column cleared", [](TTable& table) { table.ClearCells(2, 1, 2, Rows); }, Rows},
        {"one column removed", [](TTable& table) { table.RemoveColumns(3, 1); }, Rows},
        {"rows and columns appended, then filled",
         [](TTable& table) {
             table.SetColCount(7);
             table.SetRowCount(2 * Rows + 1);
             for (int c = 1; c < 7; ++c)
                 for (int r = Rows; r <= 2 * Rows; ++r)
                     table.SetCellNumber(c, r, 1.0f);
         },
         3},   // row Rows of the old columns
    };
    for (const JournalCase& change : cases) {
        SCOPED_TRACE(change.change);
        TTable table(1);
        table.SetColCount(4);
        table.SetRowCount(Rows + 1);
        for (int c = 1; c < 4; ++c)
            for (int r = 1; r <= Rows; ++r)
                table.SetCellNumber(c, r, float(r));
        TableJournal journal;
        {
            const TableRecording recording(table, journal);
            change.make(table);
        }
        EXPECT_GE(journal.Bytes(), change.cellsHeld * Cell);
        EXPECT_LT(journal.Bytes(), change.cellsHeld * Cell + 4096);
    }
}

}   // namespace
