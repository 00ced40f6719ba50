#pragma once

#include "core/base/Catalogue.h"
#include "core/base/CellData.h"
#include "core/data/AbstractData.h"

#include <QObject>
#include <QString>

#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

class DataManager;
class TAbstractData;
class TableJournal;
class UserInterface;

// A table: the program's document. A grid of ColCount × RowCount cells addressed column first:
// row 0 holds the column names, each bound to a data kind or to none; column 0 holds the row
// labels; every other cell is a data cell with its shown text and its value object (TCellData).
// A bound column's cells are parsed, range-checked and formatted by its kind. A table has at least
// one data column and one data row.
//
// Every change is announced once it is complete, by one signal per operation: cellsChanged for
// texts and values (one range per operation, or per update bracket), headerChanged and
// rowLabelsChanged, before/after pairs for rows and columns added, removed or moved,
// captionChanged, modifiedChanged.
class TTable : public QObject
{
    Q_OBJECT

public:
    // A new table: one unnamed data column, one data row labelled 1, caption "Tabela n".
    explicit TTable(int tableNumber, QObject* parent = nullptr);
    ~TTable() override;

    // The largest table, in data columns and data cells (the header row and the label column not
    // counted): 100 million cells take about 1 GB as numbers. Whatever would grow a table beyond it
    // asks SizeAllowed first and refuses with TooLargeMessage, before anything is allocated.
    static constexpr int MaxColumns = 100'000;
    static constexpr qint64 MaxCells = 100'000'000;
    static bool SizeAllowed(qint64 dataColumns, qint64 dataRows);
    static QString TooLargeMessage(qint64 dataColumns, qint64 dataRows);

    int ColCount() const { return int(m_columns.size()) + 1; }
    int RowCount() const { return int(m_labels.size()) + 1; }
    int TableNumber() const { return m_tableNumber; }
    const QString& Caption() const { return m_caption; }
    const QString& FileName() const { return m_fileName; }
    bool Modified() const { return m_modified; }
    // Separator of the file the table came from; the zero character until a file is loaded.
    QChar DataSeparator() const { return m_dataSeparator; }
    void SetDataSeparator(QChar separator) { m_dataSeparator = separator; }

    // Binds the table to a file: FileName := path, caption "Tabela %2d (%s)"; the file is writable.
    void BindFile(const QString& path);
    // A file the table was read from but is never written to (a weather file): Save asks for a new
    // name. Binding another file ends it.
    bool FileReadOnly() const { return m_fileReadOnly; }
    void SetFileReadOnly(bool readOnly) { m_fileReadOnly = readOnly; }
    // Sets Modified and the caption's " (*)" marker.
    void SetModified(bool flag);
    // "Tabela %2d (%s)": how tables with a file are captioned and listed in dialogs.
    static QString NumberedText(int tableNumber, const QString& fileName);

    // Header row and row labels.
    const QString& HeaderText(int c) const;
    TAbstractData* ColumnKind(int c) const;
    // Exactly this text and kind for the header of column c; marks the table modified.
    void SetColumnHeader(int c, const QString& name, TAbstractData* kind);
    // The kind whose Name is the trimmed `name` (letter case ignored), with its Name as header
    // text; otherwise no kind and the trimmed name. Cell texts are not parsed again.
    void BindHeader(int c, QStringView name, const DataManager& kinds);
    // The label of row r: the decimal number it was last labelled with, empty when none.
    QString RowLabel(int r) const;
    void SetRowLabel(int r);

    // Labels rows first…last with their own numbers.
    void SetRowLabels(int first, int last);

    // Data cells (c, r ≥ 1). A change addressed outside the table is refused (and asserted against).
    const TCellData& CellData(int c, int r) const
    {
        static constexpr TCellData Empty;
        return IsDataCell(c, r) ? ColumnAt(c).cells[std::size_t(r - 1)].value : Empty;
    }
    // The text of any grid cell as shown: a header, a row label or a data cell's shown text.
    QString DisplayText(int c, int r) const;
    // The text the in-place editor starts with: a valid number with 2 decimals (0 for integer
    // kinds); otherwise, and for textual kinds, the shown text.
    QString EditText(int c, int r) const;
    // The text written to files and the clipboard: a valid number with 6 decimals (with ExactExport,
    // every decimal it needs), in an integer kind's column a whole number with none; otherwise, and
    // for textual kinds, the shown text.
    // Numbers take the program's decimal separator, or `decimalSeparator`.
    QString ExportText(int c, int r) const { return ExportText(c, r, DecimalSeparator); }
    QString ExportText(int c, int r, QChar decimalSeparator) const;
    // The number of the export text and its decimals; nothing when the export text is the shown text.
    struct ExportedNumber
    {
        float value;
        int decimals;
    };
    std::optional<ExportedNumber> ExportNumber(int c, int r) const
    {
        if (!IsDataCell(c, r))
            return std::nullopt;
        const Column& column = ColumnAt(c);
        const TCellData& cell = column.cells[std::size_t(r - 1)].value;
        if (GivesShownText(column.kind, cell))
            return std::nullopt;
        // A fraction in an integer kind's column keeps its decimals: an export loses nothing.
        const bool whole = column.kind && column.kind->IsInteger && cell.Number == std::trunc(cell.Number);
        return ExportedNumber{cell.Number, whole ? 0 : m_exactExport ? ExactDecimals : 6};
    }
    // Whether the export texts give each number with every decimal it needs to be read back as the
    // same float, instead of 6 (off unless set).
    bool ExactExport() const { return m_exactExport; }
    void SetExactExport(bool exact) { m_exactExport = exact; }
    // The full-precision value for the status bar: empty without a valid number; otherwise the
    // export text.
    QString StatusText(int c, int r) const;
    // What the status bar says about column c: its kind's Description, or that it has no kind.
    QString ColumnDescription(int c) const;
    // The cell's number; NoValue when it has no valid number or lies outside the table.
    float CellNumber(int c, int r) const;
    // Stores text (parsed through the column's kind, or plainly); does not touch Modified.
    void SetCellText(int c, int r, QStringView text);
    // Stores a number through the column's kind (NoValue empties the cell); does not touch Modified.
    void SetCellNumber(int c, int r, float value);
    // SetCellText of the source cell's export text.
    void CopyCellFrom(int c, int r, const TTable& source, int sc, int sr);
    // The cell shows `text`; its value object stays as it is (the in-place editor's cancel puts
    // back the text shown before editing). Does not touch Modified.
    void SetShownText(int c, int r, const QString& text);
    // Every cell of the rectangle shows nothing and has no valid value; Number and RangeState stay.
    // Does not touch Modified.
    void ClearCells(int left, int top, int right, int bottom);
    // RangeState of every data cell of column c anew from the column's kind (none: admissible).
    void RangeCheckColumn(int c);

    // Structure.
    // The first column whose header equals `name` ignoring case, scanning from column 0 (whose
    // header is empty); −1 when there is none.
    int ColumnIndexOf(QStringView name) const;
    // Appends a column with this header; marks the table modified; returns its index.
    int AddColumn(const QString& name, TAbstractData* kind);
    // Appends n labelled data rows; marks the table modified.
    void AppendRows(int n);
    // The grid's size, header row and label column included (at least 2 each). Columns and rows
    // are added or cut at the end; added ones are unnamed, unlabelled and empty.
    void SetColCount(int count);
    void SetRowCount(int count);
    // Every data cell empty and without a valid value; headers and labels stay.
    void ClearDataCells();
    // `count` empty, unlabelled rows inserted before row `at` (1 ≤ at ≤ RowCount; RowCount appends).
    // The rows from `at` on move down with their texts, values and labels.
    void InsertRows(int at, int count);
    // Removes rows first…first + count − 1 (at least one data row must remain); the rows below move
    // up with their texts, values and labels.
    void RemoveRows(int first, int count);
    // `count` empty, unnamed columns without kind inserted before column `at` (1 ≤ at ≤ ColCount);
    // the columns from `at` on move right with their headers and cells.
    void InsertColumns(int at, int count);
    // Removes columns first…first + count − 1 (at least one data column must remain).
    void RemoveColumns(int first, int count);
    // The grid's drag: data row `from` now stands at `to` and the rows between close up. Texts,
    // values and labels travel (labels are not renumbered); Modified is not touched.
    void MoveRow(int from, int to);
    // Data column `from` now stands at `to`, with its header, kind and cells; Modified is not touched.
    void MoveColumn(int from, int to);

    // Sets flags[kind's Id] for every data column bound to a kind.
    void MarkKindsPresent(KindFlags& flags) const;
    // After the data options changed: columns bound to a Marked kind, or whose header now names
    // one, take its new Name and are range-checked again. Shows a notice when a plain column became
    // a data column. The kinds' marks are left for the caller to clear (every table must see them).
    void RefreshColumnKinds(bool namesChanged, bool rangesChanged, const DataManager& kinds, UserInterface& ui);
    // After the program's decimal separator changed: the first `from` in the text of every cell
    // with a valid number becomes `to`. Texts of other cells stay.
    void ReplaceDecimalSeparator(QChar from, QChar to);

    // Cell and header changes between BeginUpdate and EndUpdate are announced once, at the end.
    void BeginUpdate();
    void EndUpdate();

    // Takes back the change recorded in `journal` (see TableJournal); returns the journal of this
    // reversal, whose Revert makes the change again. Modified is not touched.
    TableJournal Revert(TableJournal&& journal);

signals:
    void cellsChanged(int left, int top, int right, int bottom);
    void headerChanged(int first, int last);
    void rowLabelsChanged(int first, int last);
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void columnsAboutToBeInserted(int first, int last);
    void columnsInserted(int first, int last);
    void columnsAboutToBeRemoved(int first, int last);
    void columnsRemoved(int first, int last);
    // Row (column) `from` is about to move / has moved so that it stands at `to`. An item model
    // forwards them as a move of `from` before `to` + 1 when moving down, before `to` otherwise.
    void rowsAboutToBeMoved(int from, int to);
    void rowsMoved(int from, int to);
    void columnsAboutToBeMoved(int from, int to);
    void columnsMoved(int from, int to);
    void captionChanged(const QString& caption);
    void modifiedChanged(bool modified);

private:
    friend class TableFill;
    friend class TableJournal;
    friend class TableRecording;
    struct Reverter;

    struct StoredCell
    {
        TCellData value;
        qint8 decimals = -1;   // ≥ 0: shows its number with this many decimals; else its kept text
    };
    struct Column
    {
        QString name;
        TAbstractData* kind = nullptr;
        std::vector<StoredCell> cells;   // data rows 1…, at index r − 1
        std::vector<QString> texts;      // kept texts at index r − 1; empty until one is kept
    };
    // A range of changed cells, accumulated while updates are bracketed.
    struct Dirty
    {
        int left = 0, top = 0, right = -1, bottom = -1;
        void Add(int l, int t, int r, int b);
        bool IsEmpty() const { return right < left; }
    };

    // Whether a cell gives its shown text rather than its number to edit or export: it has no valid
    // number, or its column's kind is textual.
    static bool GivesShownText(const TAbstractData* kind, const TCellData& cell)
    {
        return cell.NoValidValue || (kind && kind->IsTextual);
    }
    bool IsDataCell(int c, int r) const { return c >= 1 && c < ColCount() && r >= 1 && r < RowCount(); }
    // Whether cells first…last of column c may be changed: a caller's fault when not.
    bool Changeable(int c, int top, int bottom) const
    {
        const bool inside = IsDataCell(c, top) && IsDataCell(c, bottom);
        Q_ASSERT(inside);
        return inside;
    }
    Column& ColumnAt(int c)
    {
        Q_ASSERT(c >= 1 && c < ColCount());
        return m_columns[std::size_t(c - 1)];
    }
    const Column& ColumnAt(int c) const
    {
        Q_ASSERT(c >= 1 && c < ColCount());
        return m_columns[std::size_t(c - 1)];
    }
    // The kept text of cell (c, r), created (empty) when the column keeps none yet.
    QString& KeptText(int c, int r);
    void Store(int c, int r, ShownText&& shown);
    void SetHeader(int c, const QString& name, TAbstractData* kind);
    void SetCaption(const QString& caption);
    void CellsChanged(int left, int top, int right, int bottom);
    void HeadersChanged(int first, int last);
    void LabelsChanged(int first, int last);

    // What an operation is about to change, written into the attached journal (none: nothing).
    void RecordCells(int c, int top, int bottom);
    void RecordRangeStates(int c);
    void RecordHeader(int c);
    void RecordLabels(int first, int last);
    void RecordRowsInserted(int at, int count, bool appended);
    void RecordRowsRemoved(int first, int count);
    void RecordColumnsInserted(int at, int count, bool appended);
    // Moves the columns about to be removed into the journal.
    void RecordColumnsRemoved(int first, int count);
    void RecordMove(bool row, int from, int to);

    std::vector<Column> m_columns;
    std::vector<int> m_labels;   // rows 1…, at index r − 1; 0 for an unlabelled row
    int m_tableNumber;
    QString m_caption;
    QString m_fileName;
    bool m_fileReadOnly = false;
    QChar m_dataSeparator;
    bool m_exactExport = false;
    bool m_modified = false;
    int m_updateDepth = 0;
    Dirty m_dirtyCells;
    Dirty m_dirtyHeaders;
    Dirty m_dirtyLabels;
    TableJournal* m_journal = nullptr;
};

// Brackets a run of cell changes so that they are announced once.
class TableUpdate
{
public:
    explicit TableUpdate(TTable& table) : m_table(table) { m_table.BeginUpdate(); }
    ~TableUpdate() { m_table.EndUpdate(); }
    TableUpdate(const TableUpdate&) = delete;
    TableUpdate& operator=(const TableUpdate&) = delete;

private:
    TTable& m_table;
};

// Cells of a table set from texts on several threads at once, as a file is read. The rows
// top…bottom of the chosen columns are recorded in the table's journal when the fill begins and
// announced as changed when it ends; in between, each row's cells may be set on any thread, every
// row by one thread only, while nothing else touches the table. A text that is kept as it is (no
// number) is gathered by the thread and stored by Keep on the thread that made the fill.
class TableFill
{
public:
    // Texts to be kept: column, row and text.
    using KeptTexts = std::vector<std::tuple<int, int, QString>>;

    TableFill(TTable& table, const std::vector<int>& columns, int top, int bottom);
    ~TableFill();
    TableFill(const TableFill&) = delete;
    TableFill& operator=(const TableFill&) = delete;

    // SetCellText of cell (c, r), one of the fill's, but a kept text goes to `kept`.
    void SetCellText(int c, int r, QStringView text, KeptTexts& kept) const;
    // Stores the gathered texts and empties `kept`.
    void Keep(KeptTexts& kept);

private:
    TTable& m_table;
    std::vector<int> m_columns;
    int m_top;
    int m_bottom;
    // Per column of the table: it kept texts before the fill (one to drop where a number goes).
    std::vector<char> m_keptTexts;
};
