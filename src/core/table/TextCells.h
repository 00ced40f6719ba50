#pragma once

#include <QString>

#include <vector>

class TTable;

// Cells that hold text where their column's data kind expects a number: what a file read with the
// wrong decimal separator, or a column with a unit or a remark in its cells, leaves behind. A
// calculation takes such cells as missing and uses the kind's default instead.
struct TextCellCount
{
    int Column = 0;
    int Count = 0;
};

// Per column bound to a numeric data kind, how many of its cells hold text; columns without such
// cells are left out.
std::vector<TextCellCount> CountTextCells(const TTable& table);
// What the user is told of those cells ("… t: 12, v: 3 …"); empty when there are none.
QString TextCellsReport(const TTable& table, const std::vector<TextCellCount>& counts);
// More than this many such cells are worth a message, not only a line in the status bar.
inline constexpr int TextCellsWorthAMessage = 5;
