#pragma once

#include "core/table/DataFile.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class DataManager;

// An EnergyPlus weather file (EPW): eight header lines (the first is LOCATION, the last DATA
// PERIODS), then one comma-separated line of 35 fields per hour, the hour ending at its hour field.
// It is read as the text of an ordinary data file, which the load modes then put into a table.
struct EpwText
{
    // The header line (the kinds' names) and one line per hour: fields separated by tabs, numbers
    // with a point, missing values empty.
    DataFileText file;
    // The station, its coordinates and elevation, the period, the rows read and the missing cells
    // of each column.
    QString report;
};

// Whether a file's first non-empty line makes it a weather file: it starts with "LOCATION,".
bool IsEpwLocationLine(QByteArrayView line);

// Reads the lines of a weather file into columns station, month, day, hour, min, lat, t, td, f, p,
// v10m, v, N8, Kdir, Kdif, vis, prec, snow, tmax, tmin (see the .cpp for the conversions).
// Nothing, with the message naming the line in `error`, when the file is broken.
std::optional<EpwText> ReadEpwFile(const QString& path, const std::vector<QStringView>& lines, const DataManager& kinds,
                                   QString& error);
