#include "core/stats/StatColumn.h"

#include "core/data/AbstractData.h"
#include "core/table/Table.h"

bool IsCountOnly(const TAbstractData* kind)
{
    return kind && kind->IsTextual && kind->Thresholds.size() <= 1;
}

std::vector<TStatColumnRec> MakeStatColumns(const TTable& table, int left, int top, int right, int bottom)
{
    Q_ASSERT(left >= 1 && top >= 1 && left <= right && top <= bottom);
    const bool wholeColumn = top == bottom;
    std::vector<TStatColumnRec> records;
    for (int c = left; c <= right; ++c) {
        TStatColumnRec record;
        record.Table = &table;
        record.Col = c;
        record.ColName = table.HeaderText(c);
        record.Kind = table.ColumnKind(c);
        record.HasStandard = record.Kind && record.Kind->Thresholds.size() >= 2;
        record.FreqMode = record.HasStandard ? fmStandard : fmNone;
        record.FromRow = wholeColumn ? 1 : top;
        record.ToRow = wholeColumn ? table.RowCount() - 1 : bottom;
        records.push_back(std::move(record));
    }
    return records;
}
