#include "core/table/DataFile.h"

#include "core/base/NumberText.h"
#include "core/base/OrderedBlocks.h"
#include "core/base/OutputFile.h"
#include "core/base/TextCodec.h"
#include "core/base/UserInterface.h"
#include "core/data/DataManager.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace {

// The texts of this file, translated in the context "DataFile".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DataFile)
};

// The header line of a single unnamed column (see WriteTableBlock).
constexpr QChar EmptyNameLine(u'\x0B');
constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// The decimal separator of the numbers written to a file whose fields `dataSeparator` separates:
// the program's own, unless the two are the same character; then the other of the point and the
// comma, so that no number splits into two fields.
QChar FileDecimalSeparator(QChar dataSeparator)
{
    if (dataSeparator != DecimalSeparator)
        return DecimalSeparator;
    return DecimalSeparator == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
}

// Stores the fields of a file into cells, each decoded on its own (most into a buffer on the stack).
// One for each block of lines read.
class FieldStore
{
public:
    explicit FieldStore(QChar decimalSeparator) : m_decimalSeparator(decimalSeparator) { }

    // Stores a field into a cell. A number written with the file's decimal separator is rewritten
    // with the program's separator first; anything else goes in as it stands.
    void operator()(const TableFill& fill, int c, int r, QByteArrayView field, TableFill::KeptTexts& kept)
    {
        field = TrimControl(field);
        const bool ascii = std::all_of(field.begin(), field.end(), [](char byte) { return byte >= 0; });
        m_text.resize(ascii ? field.size() : m_decoder.requiredSpace(field.size()));
        QChar* const begin = m_text.data();
        QChar* const end = ascii
            ? std::transform(field.begin(), field.end(), begin, [](char byte) { return QChar(char16_t(byte)); })
            : m_decoder.appendToBuffer(begin, field);
        if (m_decimalSeparator != DecimalSeparator && ParseNumber(QStringView(begin, end), m_decimalSeparator))
            if (QChar* const at = std::find(begin, end, m_decimalSeparator); at != end)
                *at = DecimalSeparator;
        fill.SetCellText(c, r, QStringView(begin, end), kept);
    }

private:
    const QChar m_decimalSeparator;
    // A byte-order mark inside the file belongs to the field.
    QStringDecoder m_decoder{QStringDecoder::Utf8,
                             QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    QVarLengthArray<QChar, 64> m_text;
};

// Gathers bytes of a file and writes them to a device in one piece.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice& device) : m_device(device), m_block(1 << 16) { }

    // Room for `size` bytes at the end of what is gathered; Commit tells where the bytes written
    // there end.
    char* Reserve(qsizetype size)
    {
        if (m_size + size > qsizetype(m_block.size()))
            m_block.resize(std::max(2 * m_block.size(), std::size_t(m_size + size)));
        return m_block.data() + m_size;
    }
    void Commit(const char* end) { m_size = end - m_block.data(); }
    void Append(QByteArrayView bytes) { Commit(std::copy(bytes.begin(), bytes.end(), Reserve(bytes.size()))); }
    void Prepend(QByteArrayView bytes)
    {
        char* const begin = Reserve(bytes.size()) - m_size;
        std::copy_backward(begin, begin + m_size, begin + m_size + bytes.size());
        Commit(std::copy(bytes.begin(), bytes.end(), begin) + m_size);
    }
    QByteArrayView Gathered() const { return {m_block.data(), m_size}; }
    // Writes what is gathered. False when the write failed.
    bool Flush()
    {
        const bool written = m_size == 0 || m_device.write(m_block.data(), m_size) == m_size;
        m_size = 0;
        return written;
    }

private:
    QIODevice& m_device;
    std::vector<char> m_block;
    qsizetype m_size = 0;
};

// The lines of a file read as one block, and the rows formatted as one when a table is written.
constexpr int LinesPerReadBlock = 4096;
constexpr int RowsPerWrittenBlock = 4096;

// SplitFields of a text of any code units, the separator given in the same ones (none: empty).
template <class View> void SplitFieldsOf(View line, View separator, std::vector<View>& fields, int maxFields)
{
    fields.clear();
    if (separator.isEmpty()) {
        fields.push_back(line);
        return;
    }
    qsizetype start = 0;
    for (qsizetype at = line.indexOf(separator); at >= 0; at = line.indexOf(separator, start)) {
        fields.push_back(line.sliced(start, at - start));
        if (int(fields.size()) == maxFields)
            return;   // the rest of the line is not used
        start = at + separator.size();
    }
    fields.push_back(line.sliced(start));
}

// Maps every file column to a table column (−1: skipped) and prepares the table's size for the
// mode; returns the first row to fill, or 0 when the load must end. `skipped` tells whether a
// warning is due.
int PrepareColumns(TTable& table, LoadMode mode, const std::vector<QString>& names, int fileColumns, int dataLines,
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
            const QStringView name = names.empty() ? QStringView() : QStringView(names[std::size_t(i)]);
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
            const QString& name = names[std::size_t(i)];
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
    file.text = Utf8Text(input.readAll());
    // A line each for the header and one row beyond the largest table are enough to refuse it.
    file.lines = SplitLines(file.text, std::size_t(TTable::MaxCells) + 2);
    return true;
}

int FirstNonEmptyLine(const std::vector<QByteArrayView>& lines)
{
    int i = 0;
    while (i < int(lines.size()) && lines[std::size_t(i)].isEmpty())
        ++i;
    return i;
}

QChar DetectDataSeparator(QByteArrayView line)
{
    for (QChar candidate : {QChar(u'\t'), QChar(u';'), QChar(u' '), QChar(u',')}) {
        if (candidate == DecimalSeparator)
            candidate = QChar(u'\t');
        if (line.contains(char(candidate.unicode())))
            return candidate;
    }
    return QChar();
}

void SplitFields(QStringView line, QChar separator, std::vector<QStringView>& fields, int maxFields)
{
    SplitFieldsOf(line, separator.isNull() ? QStringView() : QStringView(&separator, 1), fields, maxFields);
}

void SplitFields(QByteArrayView line, QChar separator, std::vector<QByteArrayView>& fields, int maxFields)
{
    const Utf8Char bytes(separator);
    SplitFieldsOf(line, separator.isNull() ? QByteArrayView() : bytes.View(), fields, maxFields);
}

qsizetype CountFields(QByteArrayView line, QChar separator)
{
    return separator.isNull() ? 1 : line.count(Utf8Char(separator).View()) + 1;
}

QChar DetectDecimalSeparator(const std::vector<QByteArrayView>& lines, int first, QChar dataSeparator)
{
    bool point = false;
    bool comma = false;
    std::vector<QByteArrayView> fields;
    const int last = int(std::min<std::size_t>(lines.size(), std::size_t(first) + 1000));
    for (int i = first; i < last; ++i) {
        SplitFields(lines[std::size_t(i)], dataSeparator, fields, 1000);
        for (const QByteArrayView field : fields) {
            if (field.contains('.'))
                point = point || ParseNumber(field, QChar(u'.'));
            else if (field.contains(','))
                comma = comma || ParseNumber(field, QChar(u','));
        }
    }
    if (point == comma)
        return QChar();
    return point ? QChar(u'.') : QChar(u',');
}

bool IsHeaderLine(const std::vector<QByteArrayView>& fields, QChar decimalSeparator)
{
    // A field in the program's own notation is stored as a number too (see StoreField), so it
    // makes a line data as well; as a name it would make the saved header line read as data.
    for (const QByteArrayView field : fields)
        if (ParseNumber(field, decimalSeparator) || ParseNumber(field, DecimalSeparator))
            return false;
    return true;
}

bool LoadFits(const TTable* table, const std::vector<QByteArrayView>& lines, int first, LoadMode mode,
              QChar dataSeparator, QChar decimalSeparator, UserInterface& ui)
{
    const QByteArrayView reference = lines[std::size_t(first)];
    const qint64 fileColumns = CountFields(reference, dataSeparator);
    qint64 dataLines = qint64(lines.size()) - first;
    if (fileColumns <= TTable::MaxColumns) {
        std::vector<QByteArrayView> fields;
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

bool LoadIntoTable(TTable& table, const QString& path, const std::vector<QByteArrayView>& lines, int first,
                   LoadMode mode, QChar dataSeparator, QChar decimalSeparator, const DataManager& kinds,
                   UserInterface& ui)
{
    const bool keepsCells = mode == LoadMode::AppendColumns || mode == LoadMode::AppendRows;
    if (!LoadFits(keepsCells ? &table : nullptr, lines, first, mode, dataSeparator, decimalSeparator, ui))
        return false;
    if (mode == LoadMode::Replace && !ui.AskYesNo(Texts::tr("Czy na pewno chcesz usunąć zawartość tabeli ?")))
        return false;
    if (mode == LoadMode::NewTable || mode == LoadMode::Replace)
        table.BindFile(path);

    std::vector<QByteArrayView> fields;
    SplitFields(lines[std::size_t(first)], dataSeparator, fields);
    const int fileColumns = int(fields.size());
    const bool header = IsHeaderLine(fields, decimalSeparator);
    std::vector<QString> names;
    if (header) {
        for (const QByteArrayView field : fields)
            names.push_back(DecodeUtf8(TrimControl(field)));
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
    const int top = PrepareColumns(table, mode, names, fileColumns, dataLines, map, skipped);
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

    // The lines are read in blocks on several threads, each line into its own row.
    const int bottom = top + dataLines - 1;
    std::vector<int> columns;
    std::copy_if(map.begin(), map.end(), std::back_inserter(columns), [](int c) { return c >= 1; });
    {
        TableFill fill(table, columns, top, bottom);
        const int threads = ordered_blocks::Threads();
        std::vector<ordered_blocks::PerThread<TableFill::KeptTexts>> kept(
            std::size_t(ordered_blocks::SlotCount(threads)));
        const auto read = [&](int block, int slot, int) {
            FieldStore store(decimalSeparator);
            std::vector<QByteArrayView> lineFields;
            const int from = block * LinesPerReadBlock;
            const int to = std::min(from + LinesPerReadBlock, dataLines);
            for (int i = from; i < to; ++i) {
                SplitFields(lines[std::size_t(first + i)], dataSeparator, lineFields, fileColumns);
                const int count = std::min(int(lineFields.size()), fileColumns);
                for (int f = 0; f < count; ++f)
                    if (const int c = map[std::size_t(f)]; c >= 1)
                        store(fill, c, top + i, lineFields[std::size_t(f)], kept[std::size_t(slot)].value);
            }
        };
        const auto keep = [&](int, int slot) {
            fill.Keep(kept[std::size_t(slot)].value);
            return true;
        };
        ordered_blocks::Run((dataLines + LinesPerReadBlock - 1) / LinesPerReadBlock, threads, read, keep);
    }
    table.SetRowLabels(top, bottom);

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
    const Utf8Char separatorBytes(separator);
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

    if (first > bottom)
        return true;

    const auto formatRow = [&](BlockWriter& writer, int r) {
        for (int c = left; c <= right; ++c) {
            const QByteArrayView before = c > left ? separatorBytes.View() : QByteArrayView();
            if (const auto number = table.ExportNumber(c, r)) {
                char* at = writer.Reserve(before.size() + NumberRoom(number->decimals));
                for (const char byte : before)
                    *at++ = byte;
                writer.Commit(WriteNumber(at, number->value, number->decimals, decimal));
            } else {
                writer.Append(before);
                writer.Append(table.DisplayText(c, r).toUtf8());
            }
        }
    };
    BlockWriter writer(device);
    if (first < top)
        writer.Append(header.toUtf8());
    else
        formatRow(writer, first);
    // A reader drops a byte-order mark that starts the file; a text starting with that character
    // keeps it when a mark goes before it.
    if (writer.Gathered().startsWith(ByteOrderMark))
        writer.Prepend(ByteOrderMark);
    if (!writer.Flush())
        return false;

    // The lines after the first are formatted in blocks on several threads and written in order.
    const int blocks = (bottom - first + RowsPerWrittenBlock - 1) / RowsPerWrittenBlock;
    const int threads = ordered_blocks::Threads();
    std::vector<ordered_blocks::PerThread<BlockWriter>> formatted;
    for (int i = 0; i < ordered_blocks::SlotCount(threads); ++i)
        formatted.push_back({BlockWriter(device)});
    const auto format = [&](int block, int slot, int) {
        BlockWriter& lines = formatted[std::size_t(slot)].value;
        const int from = first + 1 + block * RowsPerWrittenBlock;
        const int to = std::min(from + RowsPerWrittenBlock - 1, bottom);
        for (int r = from; r <= to; ++r) {
            lines.Append("\r\n");
            formatRow(lines, r);
        }
    };
    bool written = true;
    const auto write = [&](int, int slot) {
        written = formatted[std::size_t(slot)].value.Flush();
        return written;
    };
    ordered_blocks::Run(blocks, threads, format, write);
    return written;
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
