#include "core/table/DataFile.h"

#include "core/base/NumberText.h"
#include "core/base/OutputFile.h"
#include "core/base/TextCodec.h"
#include "core/base/UserInterface.h"
#include "core/data/DataManager.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The texts of this file, translated in the context "DataFile".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DataFile)
};

// The header line of a single unnamed column (see WriteTableBlock).
constexpr QChar EmptyNameLine(u'\x0B');
constexpr QChar ByteOrderMark(u'\xFEFF');

// The decimal separator of the numbers written to a file whose fields `dataSeparator` separates:
// the program's own, unless the two are the same character; then the other of the point and the
// comma, so that no number splits into two fields.
QChar FileDecimalSeparator(QChar dataSeparator)
{
    if (dataSeparator != DecimalSeparator)
        return DecimalSeparator;
    return DecimalSeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
}

// Stores one field of a file into a cell. A number written with the file's decimal separator is
// rewritten with the program's separator first; anything else goes in as it stands.
void StoreField(TTable& table, int c, int r, QStringView field, QChar decimalSeparator)
{
    field = TrimControl(field);
    if (decimalSeparator != DecimalSeparator && ParseNumber(field, decimalSeparator)) {
        QString converted = field.toString();
        if (const qsizetype at = converted.indexOf(decimalSeparator); at >= 0)
            converted[at] = DecimalSeparator;
        table.SetCellText(c, r, converted);
        return;
    }
    table.SetCellText(c, r, field);
}

// Maps every file column to a table column (−1: skipped) and prepares the table's size for the
// mode; returns the first row to fill, or 0 when the load must end. `skipped` tells whether a
// warning is due.
int PrepareColumns(TTable& table, LoadMode mode, const std::vector<QStringView>& names, int fileColumns, int dataLines,
                   std::vector<int>& map, bool& skipped)
{
    map.assign(std::size_t(fileColumns), -1);
    skipped = false;
    switch (mode) {
    case LoadMode::NewTable:
    case LoadMode::Replace:
        if (mode == LoadMode::Replace)
            table.ClearDataCells();
        table.SetColCount(fileColumns + 1);
        table.SetRowCount(dataLines + 1);   // a file without data lines leaves one empty row
        for (int i = 0; i < fileColumns; ++i)
            map[std::size_t(i)] = i + 1;
        return 1;
    case LoadMode::AppendColumns: {
        int next = table.ColCount();
        for (int i = 0; i < fileColumns; ++i) {
            const QStringView name = names.empty() ? QStringView() : names[std::size_t(i)];
            if (!name.isEmpty() && table.ColumnIndexOf(name) >= 0)
                skipped = true;
            else
                map[std::size_t(i)] = next++;
        }
        if (dataLines >= table.RowCount()) {
            const int oldRows = table.RowCount();
            table.SetRowCount(dataLines + 1);
            for (int r = oldRows; r <= dataLines; ++r)
                table.SetRowLabel(r);
        }
        table.SetColCount(next);
        return 1;
    }
    case LoadMode::AppendRows: {
        for (int i = 0; i < fileColumns; ++i) {
            const QStringView name = names[std::size_t(i)];
            const int c = name.isEmpty() ? -1 : table.ColumnIndexOf(name);
            if (c >= 1)
                map[std::size_t(i)] = c;
            else
                skipped = true;
        }
        const int start = table.RowCount();
        table.SetRowCount(start + dataLines);
        return start;
    }
    }
    return 0;
}

}   // namespace

bool ReadDataFile(const QString& path, DataFileText& file)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    file.text = DecodeText(input.readAll());
    // A line each for the header and one row beyond the largest table are enough to refuse it.
    file.lines = SplitLines(file.text, std::size_t(TTable::MaxCells) + 2);
    return true;
}

int FirstNonEmptyLine(const std::vector<QStringView>& lines)
{
    int i = 0;
    while (i < int(lines.size()) && lines[std::size_t(i)].isEmpty())
        ++i;
    return i;
}

QChar DetectDataSeparator(QStringView line)
{
    for (QChar candidate : {QChar(u'\t'), QChar(u';'), QChar(u' '), QChar(u',')}) {
        if (candidate == DecimalSeparator)
            candidate = QChar(u'\t');
        if (line.contains(candidate))
            return candidate;
    }
    return QChar();
}

void SplitFields(QStringView line, QChar separator, std::vector<QStringView>& fields, int maxFields)
{
    fields.clear();
    if (separator.isNull()) {
        fields.push_back(line);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == separator) {
            fields.push_back(line.sliced(start, i - start));
            if (int(fields.size()) == maxFields)
                return;   // the rest of the line is not used
            start = i + 1;
        }
    }
    fields.push_back(line.sliced(start));
}

QChar DetectDecimalSeparator(const std::vector<QStringView>& lines, int first, QChar dataSeparator)
{
    bool point = false;
    bool comma = false;
    std::vector<QStringView> fields;
    const int last = int(std::min<std::size_t>(lines.size(), std::size_t(first) + 1000));
    for (int i = first; i < last; ++i) {
        SplitFields(lines[std::size_t(i)], dataSeparator, fields, 1000);
        for (const QStringView field : fields) {
            if (field.contains(u'.'))
                point = point || ParseNumber(field, QChar(u'.'));
            else if (field.contains(u','))
                comma = comma || ParseNumber(field, QChar(u','));
        }
    }
    if (point == comma)
        return QChar();
    return point ? QChar(u'.') : QChar(u',');
}

bool IsHeaderLine(const std::vector<QStringView>& fields, QChar decimalSeparator)
{
    // A field in the program's own notation is stored as a number too (see StoreField), so it
    // makes a line data as well; as a name it would make the saved header line read as data.
    for (const QStringView field : fields)
        if (ParseNumber(field, decimalSeparator) || ParseNumber(field))
            return false;
    return true;
}

bool LoadFits(const TTable* table, const std::vector<QStringView>& lines, int first, LoadMode mode, QChar dataSeparator,
              QChar decimalSeparator, UserInterface& ui)
{
    const QStringView reference = lines[std::size_t(first)];
    qint64 fileColumns = dataSeparator.isNull() ? 1 : reference.count(dataSeparator) + 1;
    qint64 dataLines = qint64(lines.size()) - first;
    if (fileColumns <= TTable::MaxColumns) {
        std::vector<QStringView> fields;
        SplitFields(reference, dataSeparator, fields);
        dataLines -= IsHeaderLine(fields, decimalSeparator) ? 1 : 0;
    }
    const qint64 tableColumns = table ? table->ColCount() - 1 : 0;
    const qint64 tableRows = table ? table->RowCount() - 1 : 0;
    qint64 columns = fileColumns;
    qint64 rows = std::max<qint64>(dataLines, 1);
    if (mode == LoadMode::AppendColumns) {
        columns += tableColumns;   // at most: columns named as one of the table's are skipped
        rows = std::max(rows, tableRows);
    } else if (mode == LoadMode::AppendRows) {
        columns = tableColumns;
        rows = tableRows + dataLines;
    }
    if (TTable::SizeAllowed(columns, rows))
        return true;
    ui.ShowMessage(TTable::TooLargeMessage(columns, rows), UserInterface::Icon::Error);
    return false;
}

bool LoadIntoTable(TTable& table, const QString& path, const std::vector<QStringView>& lines, int first, LoadMode mode,
                   QChar dataSeparator, QChar decimalSeparator, const DataManager& kinds, UserInterface& ui)
{
    const bool keepsCells = mode == LoadMode::AppendColumns || mode == LoadMode::AppendRows;
    if (!LoadFits(keepsCells ? &table : nullptr, lines, first, mode, dataSeparator, decimalSeparator, ui))
        return false;
    if (mode == LoadMode::Replace && !ui.AskYesNo(Texts::tr("Czy na pewno chcesz usunąć zawartość tabeli ?")))
        return false;
    if (mode == LoadMode::NewTable || mode == LoadMode::Replace)
        table.BindFile(path);

    std::vector<QStringView> fields;
    SplitFields(lines[std::size_t(first)], dataSeparator, fields);
    const int fileColumns = int(fields.size());
    const bool header = IsHeaderLine(fields, decimalSeparator);
    std::vector<QStringView> names;
    if (header) {
        for (const QStringView field : fields)
            names.push_back(TrimControl(field));
        ++first;
    } else if (mode == LoadMode::AppendRows) {
        ui.ShowMessage(Texts::tr("Plik nie zawiera wiersza nagłówków - nie można go wczytać przy pomocy tej opcji !"),
                       UserInterface::Icon::Error);
        return false;
    }

    TableUpdate update(table);
    const int dataLines = int(lines.size()) - first;
    std::vector<int> map;
    bool skipped = false;
    int r = PrepareColumns(table, mode, names, fileColumns, dataLines, map, skipped);
    if (skipped) {
        const char* warning = mode == LoadMode::AppendColumns
            ? QT_TRANSLATE_NOOP("DataFile",
                                "Przy odczycie danych z pliku pominięte zostały kolumny "
                                "nazywające się tak samo, jak jakaś kolumna tabeli !")
            : QT_TRANSLATE_NOOP("DataFile",
                                "Przy odczycie danych z pliku pominięte zostały kolumny nie "
                                "posiadające w tabeli odpowiedników o takiej samej nazwie !");
        ui.ShowMessage(Texts::tr(warning), UserInterface::Icon::Warning);
    }
    if (header)
        for (int i = 0; i < fileColumns; ++i)
            if (const int c = map[std::size_t(i)]; c >= 1)
                table.BindHeader(c, names[std::size_t(i)], kinds);

    for (int line = first; line < int(lines.size()); ++line, ++r) {
        SplitFields(lines[std::size_t(line)], dataSeparator, fields, fileColumns);
        const int count = std::min(int(fields.size()), fileColumns);
        for (int i = 0; i < count; ++i)
            if (const int c = map[std::size_t(i)]; c >= 1)
                StoreField(table, c, r, fields[std::size_t(i)], decimalSeparator);
        table.SetRowLabel(r);
    }

    if (table.DataSeparator().isNull())
        table.SetDataSeparator(dataSeparator);
    if (mode == LoadMode::AppendColumns || mode == LoadMode::AppendRows)
        table.SetModified(true);
    return true;
}

bool WriteTableBlock(const TTable& table, int left, int top, int right, int bottom, QIODevice& device)
{
    const QChar separator = table.DataSeparator().isNull() ? QChar(u'\t') : table.DataSeparator();
    const QChar decimal = FileDecimalSeparator(separator);
    // A single unnamed column would give an empty header line, which a reader skips, taking the
    // first row for the name. When that row reads as a number the file goes without a header line
    // (a reader takes it for data); otherwise the header line is one control character, which a
    // reader trims to the empty name and which is no data separator.
    int first = top - 1;
    QString header;
    if (left == right && table.HeaderText(left).isEmpty()) {
        if (ParseNumber(table.ExportText(left, top, decimal), decimal))
            first = top;
        else
            header = EmptyNameLine;
    } else {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                header += separator;
            header += table.HeaderText(c);
        }
    }
    QString line;
    QByteArray buffer;
    constexpr qsizetype FlushSize = 1 << 20;
    for (int r = first; r <= bottom; ++r) {
        line.clear();
        if (r > first)
            line += QStringLiteral("\r\n");
        if (r < top) {
            line += header;
        } else {
            for (int c = left; c <= right; ++c) {
                if (c > left)
                    line += separator;
                line += table.ExportText(c, r, decimal);
            }
        }
        // A reader drops a byte-order mark that starts the file; a text starting with that character
        // keeps it when a mark goes before it.
        if (r == first && line.startsWith(ByteOrderMark))
            line.prepend(ByteOrderMark);
        buffer += line.toUtf8();
        if (buffer.size() >= FlushSize || r == bottom) {
            if (device.write(buffer) != buffer.size())
                return false;
            buffer.clear();
        }
    }
    return true;
}

bool WriteTable(const TTable& table, QIODevice& device)
{
    return WriteTableBlock(table, 1, 1, table.ColCount() - 1, table.RowCount() - 1, device);
}

void ShowWriteError(const QString& path, UserInterface& ui)
{
    ui.ShowMessage(Texts::tr("Błąd podczas zapisu do pliku %1 !").arg(path), UserInterface::Icon::Error);
}

bool WriteTableFile(const TTable& table, const QString& path, QString* error)
{
    return WriteOutputFile(
        path, [&table](QIODevice& device) { return WriteTable(table, device); }, error);
}

bool SaveTable(TTable& table, UserInterface& ui)
{
    Q_ASSERT(!table.FileName().isEmpty());
    if (!WriteTableFile(table, table.FileName())) {
        ShowWriteError(table.FileName(), ui);
        return false;
    }
    table.SetModified(false);
    return true;
}

bool SaveTableAs(TTable& table, const QString& path, UserInterface& ui)
{
    table.BindFile(path);
    return SaveTable(table, ui);
}
