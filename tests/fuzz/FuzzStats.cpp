// The statistics options of a column as the options dialog stores them (mode, user thresholds,
// histogram width and count, row range), then the column report over a small table.

#include "FuzzSupport.h"

#include "stats/ColumnReport.h"
#include "stats/Frequency.h"
#include "stats/StatOptions.h"
#include "table/Table.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DecimalSeparator = input.Flag() ? QChar(u',') : QChar(u'.');
    const QString reportSeparator = input.Flag() ? QStringLiteral(",") : QStringLiteral(".");
    const int mode = input.Choice(5);
    const int a = input.Choice(21) + 1, b = input.Choice(21) + 1;
    TStatOptions fields;
    fields.UserText = input.Line();
    fields.HistWidth = input.Line();
    fields.HistCount = input.Line();
    fields.From = input.Line();
    fields.To = input.Line();

    if (const auto thresholds = ParseUserThresholds(fields.UserText))
        FUZZ_CHECK(!thresholds->empty());

    TTable table(1);
    FillTable(table, QString::fromUtf8(input.Rest()), ShippedKinds());
    const int rows = table.RowCount() - 1;
    std::vector<TStatColumnRec> records =
        MakeStatColumns(table, 1, std::min({a, b, rows}), table.ColCount() - 1, std::min(std::max(a, b), rows));
    for (TStatColumnRec& record : records) {
        TStatOptions options = LoadStatOptions(record);
        FUZZ_CHECK(StoreStatOptions(options, record, rows).isEmpty());   // what the dialog showed is valid
        if (IsModeOffered(record, mode))
            options.FreqMode = mode;
        options.UserText = fields.UserText;
        options.HistWidth = fields.HistWidth;
        options.HistCount = fields.HistCount;
        options.From = fields.From;
        options.To = fields.To;
        if (StoreStatOptions(options, record, rows).isEmpty()) {
            FUZZ_CHECK(1 <= record.FromRow && record.FromRow <= record.ToRow && record.ToRow <= rows);
            const std::vector<float> thresholds = BuildThresholds(record, -50, 50);
            FUZZ_CHECK(std::is_sorted(thresholds.begin(), thresholds.end()));
        }
        ComputeColumnReport(record, reportSeparator);
    }
    ComputeReport(records, reportSeparator);
    return 0;
}
