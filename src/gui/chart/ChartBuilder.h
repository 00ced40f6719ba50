#pragma once

#include "core/stats/StatColumn.h"

#include <QChar>
#include <QString>

#include <memory>
#include <vector>

class QChart;
class TTable;

// The three charts of a table, built as Qt charts (the desktop shows them in a chart window, the
// batch tool renders them to a file).
enum class ChartType
{
    Series,      // columns as lines against the row or the time
    Histogram,   // a column's frequency intervals as bars
    Calendar     // a kind's classes per month as stacked shares
};

// The columns as lines, against the date and time when the table has month, day and hour columns,
// otherwise against the row; a missing value leaves a gap. Columns whose unit differs from the
// first column's go on a second value axis on the right.
std::unique_ptr<QChart> SeriesChart(const TTable& table, const std::vector<int>& columns);

// The bars of a column's frequency intervals as the statistics report counts them, as counts or as
// percentages of the numbers.
std::unique_ptr<QChart> HistogramChart(const TStatColumnRec& record, bool percent);

// For each month, the shares of the column's numbers in the classes of its kind, stacked in the
// classes' order and coloured from cold (blue) to hot (red). None when the table has no month
// column or the column's kind no classes (CalendarRefusal says why).
std::unique_ptr<QChart> CalendarChart(const TTable& table, int column);
QString CalendarRefusal(const TTable& table, int column);
