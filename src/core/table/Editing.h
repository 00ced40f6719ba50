#pragma once

#include <QString>
#include <QStringView>

class DataManager;
class TTable;
class UserInterface;

// The editing commands of a table window, without the window: the desktop application routes its
// commands here with the grid's selection, and the batch tool and tests call them directly. Every
// command that changes the table marks it modified; a caller that offers undo records the change
// with a TableJournal.

// The block of data cells marked in a table's grid, columns Left…Right and rows Top…Bottom
// inclusive (never the header row or the label column, always inside the table), and the current
// cell (Col, Row), which lies inside it.
struct TableSelection
{
    int Left = 1;
    int Top = 1;
    int Right = 1;
    int Bottom = 1;
    int Col = 1;
    int Row = 1;

    // A selection of the single cell (c, r).
    static TableSelection Cell(int c, int r) { return {c, r, c, r, c, r}; }
    int Columns() const { return Right - Left + 1; }
    int Rows() const { return Bottom - Top + 1; }
};

// The text of the block for the clipboard: the export texts (numbers with 6 decimals, 0 for integer
// kinds, in the program's decimal separator; other cells as shown) separated by tabs, CR LF between
// rows and none after the last. `withNames` puts a line of the columns' header texts first.
QString CopySelection(const TTable& table, const TableSelection& selection, bool withNames);

// Every cell of the block shows nothing and has no valid value; marks the table modified. The
// window does not call it while its in-place editor is open.
void ClearSelection(TTable& table, const TableSelection& selection);

// Pastes clipboard text at the current cell. The data separator is detected in the first non-empty
// line like a data file's (tab, ";", blank, ","; never the decimal separator); fields are trimmed and
// stored as typed text, so numbers are read with the program's decimal separator. When lines or
// fields reach beyond the table's last row or column, the user is asked whether the table should
// grow to take them (within the largest table); otherwise they are dropped. `withNames` first asks
// for confirmation, then takes the first non-empty line as names for the columns from the current
// one on, each bound to the kind of that name while keeping the pasted text. False when nothing was
// pasted (refused, or no non-empty line).
bool PasteText(TTable& table, const TableSelection& selection, QStringView text, bool withNames,
               const DataManager& kinds, UserInterface& ui);

// Writes the block to `path` as a data file, as WriteTableFile writes a table: a line of header texts,
// then one line per row (export texts), fields separated by the table's data separator (tab when it
// has none). A regular file is replaced only when every byte was written. Neither FileName nor
// Modified changes. On failure shows "Błąd podczas zapisu do pliku … !" and returns false.
bool SaveSelection(const TTable& table, const TableSelection& selection, const QString& path, UserInterface& ui);

// Inserts empty rows and columns, at the end of the table or before the current row and column;
// rows from the insertion point on are labelled anew. Marks the table modified. Refuses, telling
// the user, when the table would grow beyond the largest table.
bool InsertRowsCols(TTable& table, const TableSelection& selection, int rows, int cols, bool atEnd, UserInterface& ui);

// Deletes rows from the current row and columns from the current column on, as many as there are.
// A request that would leave no data row (column) is first reduced so that one remains, with a
// warning. Rows from the current one on are labelled anew. Marks the table modified. The current
// cell may lie outside the table afterwards; the window moves it back in.
void DeleteRowsCols(TTable& table, const TableSelection& selection, int rows, int cols, UserInterface& ui);

// Whether the trimmed `name` may become the name of column c: not a number, and no other column's
// name in any letter case (the empty name counts as the corner's). Shows why when it may not.
bool ValidateColumnName(const TTable& table, int c, QStringView name, UserInterface& ui);

// The column options' change of name: binds column c to the kind named `name` (showing the kind's
// Name) or to none (showing the trimmed text), checks the range of every cell of the column anew
// without parsing the texts again, and marks the table modified.
void RenameColumn(TTable& table, int c, QStringView name, const DataManager& kinds);

// The in-place editor hands over its text: stored into cell (c, r) as typed; marks the table
// modified.
void StoreTypedText(TTable& table, int c, int r, QStringView text);

// The counts the insert and delete dialogs open with: the selected columns, and the selected rows
// when more than one row is selected, else no rows. (The insert dialog's place is always "at the
// cursor" when it opens.)
struct RowColCounts
{
    int Rows = 0;
    int Cols = 0;
};
RowColCounts DefaultRowColCounts(const TableSelection& selection);

// A count typed into a dialog: the trimmed text as an integer; 0 when empty or not a number.
int CountFromText(QStringView text);
