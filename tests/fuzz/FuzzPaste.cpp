// Clipboard text pasted into a small table at a selection taken from the input, with and without
// column names, every question answered yes; the table only grows (within the largest table) to take
// the pasted text, and what is pasted can be copied again.

#include "FuzzSupport.h"

#include "core/table/Editing.h"
#include "core/table/Table.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DecimalSeparator = input.Flag() ? QChar(u',') : QChar(u'.');
    const bool withNames = input.Flag();
    const int a = input.Choice(7), b = input.Choice(7), c = input.Choice(21), d = input.Choice(21);
    const int col = input.Choice(7), row = input.Choice(21);
    const int emptyRows = input.Choice(20) + 1;
    const QString names = input.Line();   // the table's names; its rows are empty
    const QString clipboard = QString::fromUtf8(input.Rest());

    TTable table(1);
    FillTable(table, names + QStringLiteral("\n").repeated(emptyRows), ShippedKinds());
    const int columns = table.ColCount() - 1, rows = table.RowCount() - 1;
    TableSelection selection;
    selection.Left = std::min(a, b) % columns + 1;
    selection.Right = std::clamp(std::max(a, b), selection.Left, columns);
    selection.Top = std::min(c, d) % rows + 1;
    selection.Bottom = std::clamp(std::max(c, d), selection.Top, rows);
    selection.Col = std::clamp(col, selection.Left, selection.Right);
    selection.Row = std::clamp(row, selection.Top, selection.Bottom);

    AgreeingUi ui;
    PasteText(table, selection, clipboard, withNames, ShippedKinds(), ui);
    const int lines = int(clipboard.count(u'\n') + clipboard.count(u'\r')) + 1;
    FUZZ_CHECK(table.ColCount() >= columns + 1 && table.RowCount() >= rows + 1);
    FUZZ_CHECK(table.RowCount() - 1 <= std::max(rows, selection.Row - 1 + lines));
    FUZZ_CHECK(TTable::SizeAllowed(table.ColCount() - 1, table.RowCount() - 1));
    CopySelection(table, selection, withNames);
    return 0;
}
