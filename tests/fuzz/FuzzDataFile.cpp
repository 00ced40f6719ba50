// The data-file reader as the Open command uses it, with every data separator, decimal separator
// and load mode; then the property that a table written and opened again equals itself.

#include "FuzzSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/DataFile.h"
#include "core/table/EpwFile.h"
#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"

#include <array>
#include <utility>

namespace {

// The load dialog as a user fills it: an empty data separator field shows the detected separator,
// and options with two equal separators are refused (the user cancels).
class LoadUi : public AgreeingUi
{
public:
    std::optional<LoadOptions> ChooseLoadOptions(const LoadOptionsRequest& request) override
    {
        LoadOptions options = typed;
        if (options.dataSeparator.isEmpty())
            options.dataSeparator = SeparatorFieldText(request.detectedSeparator);
        if (!options.Check().isEmpty())
            return std::nullopt;
        return options;
    }

    LoadOptions typed;
};

struct Fixture
{
    DataManager kinds{CreateKind, Scratch().IniPath(), QStringLiteral("PL"), Scratch().Path(QString())};
    TableSet tables;
    RecentFiles recent;
    LoadUi ui;

    TTable* Open(const QString& name, const QByteArray& bytes, TTable* current)
    {
        Scratch().Write(name, bytes);
        return OpenDataFile(Scratch().Path(name), tables, current, kinds, ui, recent);
    }
};

// The decimal separator of the numbers in a file written with `dataSeparator` (see WriteTableBlock).
QChar WrittenDecimalSeparator(QChar dataSeparator)
{
    if (dataSeparator != DecimalSeparator)
        return DecimalSeparator;
    return DecimalSeparator == u'.' ? QChar(u',') : QChar(u'.');
}

// The separator of the file a table is written to (see WriteTableBlock).
QChar WrittenDataSeparator(const TTable& table)
{
    return table.DataSeparator().isNull() ? QChar(u'\t') : table.DataSeparator();
}

// Whether the table is one the file format cannot hold as it is, so that reading it back may differ.
bool BeyondTheFormat(const TTable& table)
{
    const QChar separator = WrittenDataSeparator(table);
    const QChar decimal = WrittenDecimalSeparator(separator);
    const auto changes = [&](const QString& text) {
        // A separator within a text splits it into two fields.
        if (text.contains(separator))
            return true;
        // Fields are read trimmed of control characters and blanks.
        if (TrimControl(text).size() != text.size())
            return true;
        // Numbers written with the other decimal separator (the data separator being the program's)
        // are read with it: a text that reads as a number with that separator becomes a number.
        return decimal != DecimalSeparator && !ParseNumber(text) && ParseNumber(text, decimal);
    };
    for (int c = 1; c < table.ColCount(); ++c) {
        if (changes(table.HeaderText(c)))
            return true;
        for (int r = 1; r < table.RowCount(); ++r)
            if (changes(table.ExportText(c, r)))
                return true;
    }
    // A single column's empty last row is an empty last line, which ends the file without a line.
    return table.ColCount() == 2 && table.RowCount() > 2 && table.ExportText(1, table.RowCount() - 1).isEmpty();
}

// Writes the table and opens the file as a user opens it: with the detected data separator, typed
// where detection finds another (a name holding a separator that detection tries first) or none,
// and the decimal separator the numbers were written with. It must read back as the same table.
void CheckRoundTrip(Fixture& fixture, const TTable& table)
{
    if (BeyondTheFormat(table))
        return;
    const QString path = Scratch().Path(QStringLiteral("written.txt"));
    FUZZ_CHECK(WriteTableFile(table, path));
    const QChar separator = WrittenDataSeparator(table);
    DataFileText file;
    FUZZ_CHECK(ReadDataFile(path, file));
    const int first = FirstNonEmptyLine(file.lines);
    // A first line starting "LOCATION," makes the file a weather file.
    if (first < int(file.lines.size()) && IsEpwLocationLine(file.lines[std::size_t(first)]))
        return;
    const bool detected = first < int(file.lines.size())
        && DetectDataSeparator(file.lines[std::size_t(first)]) == separator;
    LoadOptions again;
    again.dataSeparator = detected ? QString() : SeparatorFieldText(separator);
    again.decimalSeparator = SeparatorFieldText(WrittenDecimalSeparator(separator));
    const LoadOptions saved = std::exchange(fixture.ui.typed, again);
    TTable* read = OpenDataFile(path, fixture.tables, nullptr, fixture.kinds, fixture.ui, fixture.recent);
    fixture.ui.typed = saved;
    FUZZ_CHECK(read != nullptr);
    FUZZ_CHECK(read->ColCount() == table.ColCount());
    FUZZ_CHECK(read->RowCount() == table.RowCount());
    for (int c = 1; c < table.ColCount(); ++c) {
        FUZZ_CHECK(read->HeaderText(c) == table.HeaderText(c));
        for (int r = 1; r < table.RowCount(); ++r)
            FUZZ_CHECK(read->ExportText(c, r) == table.ExportText(c, r));
    }
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fixture fixture;
    FuzzInput input(data, size);
    static const std::array<const char*, 5> dataSeparators = {"", "t", ";", " ", ","};
    fixture.ui.typed.dataSeparator = QString::fromLatin1(dataSeparators[std::size_t(input.Choice(5))]);
    fixture.ui.typed.decimalSeparator = input.Flag() ? QStringLiteral(",") : QStringLiteral(".");
    DecimalSeparator = input.Flag() ? QChar(u',') : QChar(u'.');
    fixture.ui.typed.mode = LoadMode(input.Choice(4));

    // Any mode but a new table loads into a current table that was loaded from the first part.
    TTable* current = nullptr;
    if (fixture.ui.typed.mode != LoadMode::NewTable) {
        const LoadMode mode = std::exchange(fixture.ui.typed.mode, LoadMode::NewTable);
        current = fixture.Open(QStringLiteral("current.txt"), input.Bytes(input.Byte()), nullptr);
        fixture.ui.typed.mode = mode;
    }
    const QByteArray file = input.Rest();
    if (TTable* table = fixture.Open(QStringLiteral("input.txt"), file, current))
        CheckRoundTrip(fixture, *table);

    while (fixture.tables.Count() > 0)
        fixture.tables.Close(fixture.tables.At(0));
    return 0;
}
