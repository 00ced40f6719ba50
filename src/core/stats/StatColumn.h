#pragma once

#include "core/base/NumberText.h"

#include <QString>

#include <vector>

class TAbstractData;
class TTable;

// How the frequency intervals of a column are formed.
enum FreqMode
{
    fmNone = 0,       // no intervals
    fmStandard = 1,   // the classes of the column's data kind
    fmUser = 2,       // thresholds typed by the user
    fmWidth = 3,      // a histogram of intervals of a given width
    fmCount = 4,      // a histogram of a given number of intervals
};

// The statistics settings of one column of the selection. The options dialog edits them, the
// report reads them.
struct TStatColumnRec
{
    const TTable* Table = nullptr;   // the table that holds the column (not owned)
    int Col = 0;                     // its column index
    QString ColName;                 // its header text
    TAbstractData* Kind = nullptr;   // the data kind bound to it, or none (not owned)
    bool HasStandard = false;        // the kind has at least one standard threshold (two class names)
    int FromRow = 1;                 // first data row used, inclusive
    int ToRow = 1;                   // last data row used, inclusive
    int FreqMode = fmNone;
    QString UserText;                    // the user thresholds as last accepted
    std::vector<float> UserThresholds;   // parsed from UserText, in the order written
    float HistParam = NoValue;           // the interval width (fmWidth) or count (fmCount); else NoValue
};

// A column whose kind shows words (IsTextual) and has no standard threshold: its statistics are
// counts only, and numbers are never sought in it. A column without a kind is never count-only.
bool IsCountOnly(const TAbstractData* kind);

// One record per column of the selection left…right, top…bottom (data cells, c and r ≥ 1), in that
// order, each with its default mode (the standard classes when the kind has them, else none). A
// selection within a single row (a lone cell cursor included) stands for the whole column; a taller
// one for its own rows.
std::vector<TStatColumnRec> MakeStatColumns(const TTable& table, int left, int top, int right, int bottom);
