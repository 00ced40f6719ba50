#pragma once

#include "core/stats/StatColumn.h"

#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class TAbstractData;
class TTable;

// What the charts draw, taken from a table: the points of a series, the bars of a histogram and
// the class shares of a bioclimatic calendar. Only numbers; the drawing is the desktop's.

// The columns that date a row: those bound to month, day and hour (and min, when there is one);
// 0 where the table has none.
struct TimeColumns
{
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    bool Dated() const { return Month > 0 && Day > 0 && Hour > 0; }
};
TimeColumns FindTimeColumns(const TTable& table);

// The time of row r in milliseconds since the epoch, in the year 2000 (a leap year, so that 29
// February has its place), UTC; none when a dating cell is missing or no date.
std::optional<qint64> RowTime(const TTable& table, const TimeColumns& time, int r);

// The unit of a kind: what its description gives after the last comma ("Temperatura powietrza, °C"
// gives "°C"); empty for no kind or a description without one.
QString KindUnit(const TAbstractData* kind);

// A column as a line: its points (x the row number, or the row's time when the table is dated) in
// runs of consecutive rows with a number, so that a missing value leaves a gap. Rows without a
// time are left out of a dated series.
struct SeriesData
{
    QString Name;
    QString Unit;
    std::vector<std::vector<QPointF>> Runs;
};
SeriesData MakeSeries(const TTable& table, int column, const TimeColumns& time);

// A histogram: one bar per frequency interval of the column's statistics, counted as the report
// counts them (see ComputeColumnFigures); labelled with the class names of the kind for its
// classes, otherwise with the bounds the report prints (2 decimals, an upper bound less 0.01): "≤ b"
// for the first interval, "a … b" between, "≥ a" for the last.
struct HistogramData
{
    QStringList Labels;
    std::vector<int> Counts;
    int Numbers = 0;   // the numbers counted: the percentages' whole
};
HistogramData MakeHistogram(const TStatColumnRec& record, QChar decimalSeparator);

// A bioclimatic calendar: for each month, the share [%] of the column's numbers in each class of
// its kind, in the classes' order. Rows without a month (1–12) are left out; a month without
// numbers has no shares (all 0). None when the table has no month column or the column's kind no
// classes.
struct CalendarData
{
    QStringList Classes;
    std::array<std::vector<double>, 12> Shares;
    std::array<int, 12> Numbers{};
};
std::optional<CalendarData> MakeCalendar(const TTable& table, int column);
