#pragma once

#include "core/stats/StatColumn.h"

#include <QString>

#include <optional>

// --freq of stats and plot: the mode of the frequency intervals and the text of its field, as
// none, standard, user:LIST, width:W or count:N.
struct FreqChoice
{
    int mode = fmNone;
    QString text;
};

std::optional<FreqChoice> ParseFreq(const QString& value);

// The statistics options dialog's settings for one column with the chosen mode; the message of the
// first invalid one, empty when they were taken.
QString ApplyFreq(TStatColumnRec& record, const FreqChoice& choice, int largestRow);
