#pragma once

#include "core/stats/StatColumn.h"

#include <QString>
#include <QStringList>

#include <vector>

class UserInterface;

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
