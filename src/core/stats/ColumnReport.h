#pragma once

#include "core/stats/StatColumn.h"

#include <QString>
#include <QStringList>

#include <vector>

class UserInterface;

// The figures of one column over its rows FromRow…ToRow, as the report prints them. Cells without a
// valid number are texts; numbers out of range take part in everything. With no number or a single
// one, only the counts (and the single value) are meaningful; a count-only column has counts alone.
struct ColumnFigures
{
    int Rows = 0;
    int Numbers = 0;
    int OutOfRange = 0;
    int Texts = 0;
    bool CountOnly = false;
    float First = 0;   // the first number (the single value of a column with one)
    // From two numbers on, unless count-only:
    double Sum = 0;
    float Min = 0;
    float Max = 0;
    float Mean = 0;
    double MeanError = 0;   // the standard errors of the estimates: s/√n, s²·√(2/(n−1)), s/√(2(n−1))
    float Variance = 0;     // the sample variance
    double VarianceError = 0;
    float Deviation = 0;
    double DeviationError = 0;
    std::vector<float> Thresholds;   // of the frequency intervals, ascending; none without intervals
    std::vector<int> Counts;         // numbers per interval: Thresholds.size() + 1 of them

    bool Full() const { return Numbers >= 2 && !CountOnly; }
};
ColumnFigures ComputeColumnFigures(const TStatColumnRec& record);

// The decimal separator of the operating system's locale: the statistics report prints its numbers
// with it, not with the program's own separator.
QString SystemDecimalSeparator();

// The report lines of one column over its rows FromRow…ToRow: an empty line, the header, an empty
// line, then either "Cała kolumna jest pusta !" (no number), the single value (one number), or the
// counts of rows, numbers, numbers out of range and texts, followed (unless the column is
// count-only) by sum, extremes, mean, variance, standard deviation with their standard errors, the
// coefficient of variation and the frequency section. Cells without a valid number are texts; numbers
// out of range take part in everything. Numbers print with `decimalSeparator`.
QStringList ComputeColumnReport(const TStatColumnRec& record,
                                const QString& decimalSeparator = SystemDecimalSeparator());

// The whole report: the columns' reports one after another, in the records' order.
QStringList ComputeReport(const std::vector<TStatColumnRec>& records,
                          const QString& decimalSeparator = SystemDecimalSeparator());

// Saves the report as it stands (the text of the report window, lines divided by "\n") to `path` as
// UTF-8 text, every line ended by CR LF. A regular file is replaced only when all was written (see
// WriteOutputFile); on failure shows "Błąd podczas zapisu do pliku … !" and returns false.
bool SaveReport(const QString& text, const QString& path, UserInterface& ui);
