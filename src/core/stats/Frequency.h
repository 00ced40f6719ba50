#pragma once

#include "core/stats/StatColumn.h"

#include <QString>
#include <QStringList>

#include <vector>

// The most thresholds a histogram gets. A very small interval width would otherwise ask for
// billions of intervals; beyond this many, the last interval simply holds the rest of the values.
inline constexpr int MaxHistogramThresholds = 100000;

// The thresholds of a column's intervals, sorted ascending: none (fmNone); the kind's standard
// thresholds (fmStandard); the user's (fmUser); for the histograms min + step, min + 2·step …,
// summed in single precision, with step = HistParam and (max − min) / step of them truncated
// (fmWidth), or step = (max − min) / HistParam and HistParam − 1 of them truncated (fmCount).
// A width or count that is zero or negative gives none. `min` and `max` are the column's extremes.
std::vector<float> BuildThresholds(const TStatColumnRec& record, float min, float max);

// The interval of a value among sorted thresholds t(0) … t(T−1): the smallest i with value < t(i),
// or T. A value equal to a threshold belongs to the interval above it.
int IntervalOf(const std::vector<float>& thresholds, float value);

// The frequency section of a report (only when there are thresholds): an empty line, the heading and
// one line per interval with its count; the classes of the kind name the intervals of fmStandard,
// the other modes print the bounds (a closed upper bound as the threshold − 0.01).
QStringList FrequencyLines(const TStatColumnRec& record, const std::vector<float>& thresholds,
                           const std::vector<int>& counts, const QString& decimalSeparator);
