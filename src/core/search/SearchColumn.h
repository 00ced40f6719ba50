#pragma once

#include <QString>

#include <optional>

class TableSet;
class TTable;
class UserInterface;

// A column the column search found: the table to activate and the column to put the cursor in (the
// cursor keeps its row).
struct TFoundColumn
{
    TTable* Table = nullptr;
    int Col = 0;
};

// Finds the next column whose header equals `name` (letter case ignored, the whole name) across the
// open tables in their order: first in the active table after its current column, then in each
// following table from its first column, wrapping round to the first table, and at last in the
// active table again from its first column. So repeating the search from the column found cycles
// through every column of that name, and a lone match is found again. Shows "Kolumna o podanej
// nazwie nie została znaleziona w żadnej tabeli !" and returns nothing when no table has one.
std::optional<TFoundColumn> SearchColumn(const TableSet& tables, const TTable& active, int currentCol,
                                         const QString& name, UserInterface& ui);
