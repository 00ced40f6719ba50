#pragma once

#include "core/base/NumberText.h"

#include <QString>

#include <vector>

class TAbstractData;

// What the last search looked for.
enum SearchKind
{
    skNone = 0,            // nothing yet
    skColumn = 1,          // a column by name, across the open tables
    skText = 2,            // a text within the cells' shown texts
    skNumber = 3,          // a number within a precision
    skMissing = 4,         // a cell without a valid number
    skBad = 5,             // a number outside the range of the column's kind
    skUserIntervals = 6,   // a number within one of the user's intervals
    skStdIntervals = 7,    // a number in one of the chosen classes of a kind
};

// One interval of the user's, bounds inclusive. NoValue stands for minus infinity as the lower bound
// of the first interval and for plus infinity as the upper bound of the last.
struct TSearchInterval
{
    float Lower = NoValue;
    float Upper = NoValue;
};

// The conditions of the last search, kept for the whole run so that it can be repeated from the new
// cursor position. Changed only by a confirmed search dialog and by the column search.
struct TSearchState
{
    int Type = skNone;
    bool WholeTable = false;   // false: the current column only
    bool Upward = false;       // false: down and to the right
    QString ColumnName;        // skColumn
    QString Text;              // skText
    bool CaseSensitive = true;
    bool SearchTextCells = true;
    bool SearchNumCells = true;
    float Number = NoValue;   // skNumber
    float Precision = 0.001f;
    std::vector<TSearchInterval> Intervals;   // skUserIntervals, sorted and merged
    const TAbstractData* StdKind = nullptr;   // skStdIntervals: the kind whose classes were chosen
    std::vector<bool> StdSelected;            // by class index; missing entries are not chosen
};
