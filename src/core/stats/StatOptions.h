#pragma once

#include "core/stats/StatColumn.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

// What the statistics options dialog shows for one column: the checked mode and the texts of its
// fields. The dialog fills it from a record (LoadStatOptions), lets the user edit it and stores it
// back (StoreStatOptions).
struct TStatOptions
{
    int FreqMode = fmNone;   // the checked mode
    QString UserText;        // the user thresholds
    QString HistWidth;       // the interval width
    QString HistCount;       // the number of intervals
    QString From;            // first row
    QString To;              // last row
};

// Whether the column offers a mode: fmNone always; fmStandard when the kind has standard
// thresholds; the user thresholds and both histograms for a column without a kind, or whose kind
// neither shows words nor has standard thresholds.
bool IsModeOffered(const TStatColumnRec& record, int mode);

// The dialog's fields for a record: its mode (none when the record's mode is not offered), the user
// thresholds as last accepted, the histogram parameter in the field of its own mode (2 decimals,
// the program's separator) and the row range.
TStatOptions LoadStatOptions(const TStatColumnRec& record);

// Validates the fields and stores them into the record: the rows must be integers (they are then
// clamped to 1…largestRow and put in order), the width or count of a histogram mode a number, the
// user thresholds of fmUser a list as ParseUserThresholds reads it. Returns the message the dialog
// shows for the first invalid field, the record unchanged; an empty text on success.
QString StoreStatOptions(const TStatOptions& options, TStatColumnRec& record, int largestRow);

// The character between user thresholds: ";" when the program's decimal separator is a comma,
// "," otherwise.
QChar UserListSeparator();

// The user thresholds, in the order written (duplicates allowed), from a text of numbers with the
// program's decimal separator divided by UserListSeparator. Nothing when a piece is empty or not a
// number (an empty text and a trailing separator included).
std::optional<std::vector<float>> ParseUserThresholds(QStringView text);
