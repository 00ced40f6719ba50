#pragma once

#include "core/table/LoadOptions.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <climits>
#include <vector>

class DataManager;
class QIODevice;
class TTable;
class UserInterface;

// The text of a data file in UTF-8 and its lines (views into the text).
struct DataFileText
{
    QByteArray text;
    std::vector<QByteArrayView> lines;
};

// The largest data file that is read: 1 GiB (a table beyond the largest table is refused anyway).
inline constexpr qint64 MaxDataFileBytes = qint64(1) << 30;

// Reads a whole data file (see Utf8Text for the encodings). False when it cannot be read. Lines
// beyond what any table could hold are not split off (the load then finds the file too large).
bool ReadDataFile(const QString& path, DataFileText& file);

// Index of the first line that is not empty (has any character at all); the line count when none.
int FirstNonEmptyLine(const std::vector<QByteArrayView>& lines);

// The data separator of a reference line: the first of tab, ";", blank and "," found in it, where
// the candidate equal to the program's decimal separator counts as tab; the zero character when
// none occurs (a line is then one field).
QChar DetectDataSeparator(QByteArrayView line);

// The decimal separator of a file's numbers, judged from up to 1,000 lines from the reference line
// `first` on: a point or a comma when fields with a fraction read as numbers with that one alone;
// the zero character when no field tells or both occur.
QChar DetectDecimalSeparator(const std::vector<QByteArrayView>& lines, int first, QChar dataSeparator);

// The fields of a line: everything between two separators; the zero character gives one field.
// At most `maxFields` fields are taken; the rest of the line is then left out.
void SplitFields(QStringView line, QChar separator, std::vector<QStringView>& fields, int maxFields = INT_MAX);
void SplitFields(QByteArrayView line, QChar separator, std::vector<QByteArrayView>& fields, int maxFields = INT_MAX);
// How many fields SplitFields finds in a line, all of them.
qsizetype CountFields(QByteArrayView line, QChar separator);

// Whether a reference line is a header: none of its fields is a number, with `decimalSeparator` or
// with the program's own.
bool IsHeaderLine(const std::vector<QByteArrayView>& fields, QChar decimalSeparator);

// Whether loading `lines` from the reference line `first` in `mode` leaves `table` (none for a new
// table) within the largest table; tells the user when not. Nothing is allocated for the fields.
bool LoadFits(const TTable* table, const std::vector<QByteArrayView>& lines, int first, LoadMode mode,
              QChar dataSeparator, QChar decimalSeparator, UserInterface& ui);

// Fills `table` from `lines`, starting at the reference line `first`, in one of the four load
// modes. Numbers are read with `decimalSeparator` and stored with the program's own. Header names
// bind columns to kinds. Asks before replacing and warns about skipped columns through `ui`.
// False when nothing was loaded (too large, replacing refused, appending rows without a header).
bool LoadIntoTable(TTable& table, const QString& path, const std::vector<QByteArrayView>& lines, int first,
                   LoadMode mode, QChar dataSeparator, QChar decimalSeparator, const DataManager& kinds,
                   UserInterface& ui);

// Writes the table as a data file to an open device (see WriteTableFile). False when a write failed.
bool WriteTable(const TTable& table, QIODevice& device);
// The same for a block of it: the names of columns left…right, then rows top…bottom.
bool WriteTableBlock(const TTable& table, int left, int top, int right, int bottom, QIODevice& device);
// Tells the user that writing to `path` failed: "Błąd podczas zapisu do pliku … !".
void ShowWriteError(const QString& path, UserInterface& ui);

// Writes the table to `path`: the header line, then one line per data row, fields separated by
// the table's data separator (tab when it has none), CR LF between lines and none after the last,
// UTF-8. Numbers take the program's decimal separator, or, when that is the data separator, the
// other of the point and the comma. A single unnamed column is written so that it reads back
// unnamed: without a header line when its first row is a number, else under a header line of one
// vertical tab. The file is written as WriteOutputFile does. False with `error` set on failure.
bool WriteTableFile(const TTable& table, const QString& path, QString* error = nullptr);

// The Save command: writes the table to its FileName and clears Modified. On failure shows "Błąd
// podczas zapisu do pliku … !", keeps Modified and leaves the old file untouched.
bool SaveTable(TTable& table, UserInterface& ui);
// Save As with a chosen path: binds the table to it, then SaveTable.
bool SaveTableAs(TTable& table, const QString& path, UserInterface& ui);
