// The statistics options of a column as the options dialog stores them (mode, user thresholds,
// histogram width and count, row range), then the column report over a small table.

#include "FuzzSupport.h"

#include "core/stats/ColumnReport.h"
#include "core/stats/Frequency.h"
#include "core/stats/StatOptions.h"
#include "core/table/Table.h"

#include <algorithm>
#include <limits>

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
    std::vector<TStatColumnRec> records = MakeStatColumns(table, 1, std::min({a, b, rows}), table.ColCount() - 1,
                                                          std::min(std::max(a, b), rows));
    // A histogram has up to MaxHistogramThresholds intervals, a report line each: under the
    // sanitizers such a report takes seconds, so only columns with fewer intervals are reported.
    constexpr std::size_t ReportedIntervals = 1000;
    std::vector<TStatColumnRec> reported;
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
        if (StoreStatOptions(options, record, rows).isEmpty())
            FUZZ_CHECK(1 <= record.FromRow && record.FromRow <= record.ToRow && record.ToRow <= rows);
        float min = std::numeric_limits<float>::max(), max = std::numeric_limits<float>::lowest();
        for (int r = record.FromRow; r <= record.ToRow; ++r) {
            if (const float value = table.CellNumber(record.Col, r); value != NoValue) {
                min = std::min(min, value);
                max = std::max(max, value);
            }
        }
        // The report forms intervals only over numbers.
        const std::vector<float> thresholds = min <= max ? BuildThresholds(record, min, max) : std::vector<float>();
        FUZZ_CHECK(std::is_sorted(thresholds.begin(), thresholds.end()));
        if (thresholds.size() < ReportedIntervals) {
            ComputeColumnReport(record, reportSeparator);
            reported.push_back(record);
        }
    }
    ComputeReport(reported, reportSeparator);
    return 0;
}
