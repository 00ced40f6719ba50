#pragma once

#include "core/search/SearchState.h"

#include <QString>
#include <QStringView>

#include <vector>

// One piece of an intervals text and the separator that ended it ("_" or ";"; none for the last).
struct TIntervalPiece
{
    QString Text;   // trimmed
    QChar EndedBy;
};

// The intervals text cut at every "_" and ";", each piece trimmed. An empty text is one empty piece.
std::vector<TIntervalPiece> SplitIntervalsText(QStringView text);

// Reads an intervals text "a_b;c_d;…" (numbers with the program's decimal separator); any text that
// is no number, normally "INF", opens the first lower and the last upper bound. On success stores the
// intervals, sorted and merged, into `intervals` and returns an empty text; otherwise returns the
// message the search dialog shows (an odd number of pieces, or a piece that is no number or is ended
// by the wrong separator) and leaves `intervals` as they were.
QString ParseIntervalsText(QStringView text, std::vector<TSearchInterval>& intervals);

// Sorts the intervals by lower bound and merges those that overlap (intervals that only touch stay
// apart). Open ends (NoValue) count as infinities and stay open.
void NormalizeIntervals(std::vector<TSearchInterval>& intervals);

// The intervals as the search dialog shows them: "lower_upper" joined by ";", bounds with 2 decimals
// and the program's separator, an open end as "INF".
QString IntervalsText(const std::vector<TSearchInterval>& intervals);
