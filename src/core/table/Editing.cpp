#include "core/table/Editing.h"

#include "core/base/NumberText.h"
#include "core/base/OutputFile.h"
#include "core/base/TextCodec.h"
#include "core/base/UserInterface.h"
#include "core/data/DataManager.h"
#include "core/table/DataFile.h"
#include "core/table/Table.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

// The texts of this file, translated in the context "Editing".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Editing)
};

const QLatin1StringView LineBreak("\r\n");

// The header texts of the selected columns, separated by `separator`.
void AppendNames(QString& text, const TTable& table, const TableSelection& selection, QChar separator)
{
    for (int c = selection.Left; c <= selection.Right; ++c) {
        if (c > selection.Left)
            text += separator;
        text += table.HeaderText(c);
    }
}

// The export texts of row r of the block, separated by `separator`.
void AppendRow(QString& text, const TTable& table, const TableSelection& selection, int r, QChar separator)
{
    for (int c = selection.Left; c <= selection.Right; ++c) {
        if (c > selection.Left)
            text += separator;
        text += table.ExportText(c, r);
    }
}

}   // namespace

QString CopySelection(const TTable& table, const TableSelection& selection, bool withNames)
{
    const QChar tab(u'\t');
    QString text;
    if (withNames) {
        AppendNames(text, table, selection, tab);
        text += LineBreak;
    }
    for (int r = selection.Top; r <= selection.Bottom; ++r) {
        if (r > selection.Top)
            text += LineBreak;
        AppendRow(text, table, selection, r, tab);
    }
    return text;
}

void ClearSelection(TTable& table, const TableSelection& selection)
{
    table.ClearCells(selection.Left, selection.Top, selection.Right, selection.Bottom);
    table.SetModified(true);
}

namespace {

// Offers to grow the table so that the pasted lines from `first` on fit from the current cell on.
void GrowForPaste(TTable& table, const TableSelection& selection, const std::vector<QByteArrayView>& lines,
                  std::size_t first, QChar separator, UserInterface& ui)
{
    qint64 fields = 1;
    for (std::size_t i = first; i < lines.size(); ++i)
        fields = std::max<qint64>(fields, CountFields(lines[i], separator));
    const qint64 columns = std::max<qint64>(table.ColCount() - 1, selection.Col - 1 + fields);
    const qint64 rows = std::max<qint64>(table.RowCount() - 1, selection.Row - 1 + qint64(lines.size() - first));
    if (columns == table.ColCount() - 1 && rows == table.RowCount() - 1)
        return;
    if (!ui.AskYesNo(Texts::tr("Wklejane dane nie mieszczą się w tabeli. Czy powiększyć tabelę do %1 kolumn i %2 "
                               "wierszy ?")
                         .arg(columns)
                         .arg(rows)))
        return;
    if (!TTable::SizeAllowed(columns, rows)) {
        ui.ShowMessage(TTable::TooLargeMessage(columns, rows), UserInterface::Icon::Error);
        return;
    }
    const int oldRows = table.RowCount();
    table.SetColCount(int(columns) + 1);
    table.SetRowCount(int(rows) + 1);
    table.SetRowLabels(oldRows, int(rows));
}

}   // namespace

bool PasteText(TTable& table, const TableSelection& selection, QStringView text, bool withNames,
               const DataManager& kinds, UserInterface& ui)
{
    if (withNames
        && !ui.AskYesNo(Texts::tr("Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w Schowku.\r\n"
                                  "Czy jesteś pewien, że chcesz kontynuować ?")))
        return false;
    const QByteArray utf8 = text.toUtf8();
    const std::vector<QByteArrayView> lines = SplitLines(utf8);
    auto line = std::size_t(FirstNonEmptyLine(lines));
    if (line == lines.size())
        return false;
    const QChar separator = DetectDataSeparator(lines[line]);
    const int k = selection.Col;
    GrowForPaste(table, selection, lines, line + (withNames ? 1 : 0), separator, ui);
    std::vector<QByteArrayView> fields;
    TableUpdate update(table);
    if (withNames) {
        SplitFields(lines[line++], separator, fields);
        const int count = std::min(int(fields.size()), table.ColCount() - k);
        for (int j = 0; j < count; ++j) {
            const QString name = DecodeUtf8(TrimControl(fields[std::size_t(j)]));
            table.SetColumnHeader(k + j, name, kinds.FindByName(name));
        }
    }
    for (int r = selection.Row; line < lines.size() && r < table.RowCount(); ++line, ++r) {
        SplitFields(lines[line], separator, fields);
        const int count = std::min(int(fields.size()), table.ColCount() - k);
        for (int j = 0; j < count; ++j)
            table.SetCellText(k + j, r, DecodeUtf8(TrimControl(fields[std::size_t(j)])));
    }
    table.SetModified(true);
    return true;
}

bool SaveSelection(const TTable& table, const TableSelection& selection, const QString& path, UserInterface& ui)
{
    if (WriteOutputFile(path, [&](QIODevice& device) {
            return WriteTableBlock(table, selection.Left, selection.Top, selection.Right, selection.Bottom, device);
        }))
        return true;
    ShowWriteError(path, ui);
    return false;
}

bool InsertRowsCols(TTable& table, const TableSelection& selection, int rows, int cols, bool atEnd, UserInterface& ui)
{
    const qint64 columns = qint64(table.ColCount()) - 1 + std::max(cols, 0);
    const qint64 dataRows = qint64(table.RowCount()) - 1 + std::max(rows, 0);
    if (!TTable::SizeAllowed(columns, dataRows)) {
        ui.ShowMessage(TTable::TooLargeMessage(columns, dataRows), UserInterface::Icon::Error);
        return false;
    }
    if (rows > 0) {
        const int at = atEnd ? table.RowCount() : selection.Row;
        table.InsertRows(at, rows);
        table.SetRowLabels(at, table.RowCount() - 1);
    }
    if (cols > 0)
        table.InsertColumns(atEnd ? table.ColCount() : selection.Col, cols);
    table.SetModified(true);
    return true;
}

void DeleteRowsCols(TTable& table, const TableSelection& selection, int rows, int cols, UserInterface& ui)
{
    if (rows > 0) {
        const int dataRows = table.RowCount() - 1;
        if (dataRows - rows < 1) {
            rows = dataRows - 1;
            ui.ShowMessage(Texts::tr("Tabela musi zawierać co najmniej jeden wiersz - liczba usuwanych wierszy została "
                                     "zmniejszona !"),
                           UserInterface::Icon::Warning);
        }
        rows = std::min(rows, table.RowCount() - selection.Row);
        if (rows >= 1) {
            table.RemoveRows(selection.Row, rows);
            table.SetRowLabels(selection.Row, table.RowCount() - 1);
        }
    }
    if (cols > 0) {
        const int dataCols = table.ColCount() - 1;
        if (dataCols - cols < 1) {
            cols = dataCols - 1;
            ui.ShowMessage(Texts::tr("Tabela musi zawierać co najmniej jedną kolumnę - liczba usuwanych kolumn została "
                                     "zmniejszona !"),
                           UserInterface::Icon::Warning);
        }
        cols = std::min(cols, table.ColCount() - selection.Col);
        if (cols >= 1)
            table.RemoveColumns(selection.Col, cols);
    }
    table.SetModified(true);
}

bool ValidateColumnName(const TTable& table, int c, QStringView name, UserInterface& ui)
{
    name = TrimControl(name);
    if (ParseNumber(name)) {
        ui.ShowMessage(Texts::tr("Nazwa kolumny nie może być liczbą !"), UserInterface::Icon::Error);
        return false;
    }
    if (const int found = table.ColumnIndexOf(name); found >= 0 && found != c) {
        ui.ShowMessage(Texts::tr("Kolumna o podanej nazwie już istnieje w tej tabeli !"), UserInterface::Icon::Error);
        return false;
    }
    return true;
}

void RenameColumn(TTable& table, int c, QStringView name, const DataManager& kinds)
{
    TableUpdate update(table);
    table.BindHeader(c, name, kinds);
    table.RangeCheckColumn(c);
    table.SetModified(true);
}

void StoreTypedText(TTable& table, int c, int r, QStringView text)
{
    table.SetCellText(c, r, text);
    table.SetModified(true);
}

RowColCounts DefaultRowColCounts(const TableSelection& selection)
{
    return {selection.Rows() > 1 ? selection.Rows() : 0, selection.Columns()};
}

int CountFromText(QStringView text)
{
    bool ok = false;
    const int count = TrimControl(text).toInt(&ok);
    return ok ? count : 0;
}
