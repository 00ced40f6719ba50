#pragma once

#include <QChar>
#include <QString>

// How a data file goes into a table.
enum class LoadMode
{
    NewTable = 0,        // open in a new table
    Replace = 1,         // replace the contents of the current table
    AppendColumns = 2,   // add the file's columns to the current table
    AppendRows = 3,      // add the file's rows below the same-named columns of the current table
};

// What the load options dialog offers for one file.
struct LoadOptionsRequest
{
    QString path;
    QChar detectedSeparator;   // the zero character when the file has no separator
    bool hasCurrentTable = false;
    QChar detectedDecimalSeparator;   // what the file's numbers use; the zero character when unclear
    bool fixedFormat = false;         // a file of a fixed format (a weather file): only the mode is asked
};

// The load options as a user types them: the separators are the texts of one-character fields in
// which the letter t stands for tab.
struct LoadOptions
{
    LoadMode mode = LoadMode::NewTable;
    QString dataSeparator;
    QString decimalSeparator;

    // The defaults the dialog shows: new table, the detected data separator, the decimal separator
    // the file's numbers use (the program's when they do not tell).
    static LoadOptions Defaults(const LoadOptionsRequest& request);
    // The refusal message when the options cannot be used (the two separators are equal), else empty.
    QString Check() const;
    // The separators to load with; an empty field gives the fallback.
    QChar DataSeparatorChar(QChar detected) const;
    QChar DecimalSeparatorChar() const;
};

// A separator character as shown in the dialog's field: tab as t, the zero character as nothing.
QString SeparatorFieldText(QChar separator);
