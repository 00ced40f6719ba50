#pragma once

#include "core/search/SearchState.h"

#include <optional>

class TTable;
class UserInterface;

// A cell a search found.
struct TFoundCell
{
    TTable* Table = nullptr;
    int Col = 0;
    int Row = 0;
};

// Searches `table` for the next cell that meets the state's condition, starting next to the cursor
// (cursorCol ≥ 1; cursorRow may lie just outside the data rows, 0 or RowCount, to examine the whole
// column): downwards from the row below the cursor, or upwards from the row above it; then, for a
// whole-table search, the following columns from their first row (to the right, wrapping to the
// first column) or the preceding ones from their last row (to the left, wrapping to the last), until
// the cursor's column comes round again. Cells of the cursor's column on the far side of the cursor
// are not examined again. Returns the cell found; nothing after showing why not: a class search in
// a column of another kind than the one chosen, or no matching cell.
// A repeated search from the cell found finds the next one.
std::optional<TFoundCell> SearchData(TTable& table, const TSearchState& state, int cursorCol, int cursorRow,
                                     UserInterface& ui);
