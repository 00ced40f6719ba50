#include "core/table/TextCells.h"

#include "core/data/AbstractData.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(TextCells)
};
}   // namespace

std::vector<TextCellCount> CountTextCells(const TTable& table)
{
    std::vector<TextCellCount> counts;
    for (int c = 1; c < table.ColCount(); ++c) {
        const TAbstractData* kind = table.ColumnKind(c);
        if (!kind || kind->IsTextual)
            continue;
        int count = 0;
        for (int r = 1; r < table.RowCount(); ++r)
            if (table.CellData(c, r).NoValidValue && !table.DisplayText(c, r).trimmed().isEmpty())
                ++count;
        if (count > 0)
            counts.push_back({c, count});
    }
    return counts;
}

QString TextCellsReport(const TTable& table, const std::vector<TextCellCount>& counts)
{
    if (counts.empty())
        return {};
    QStringList columns;
    int total = 0;
    for (const TextCellCount& count : counts) {
        columns << QStringLiteral("%1: %2").arg(table.HeaderText(count.Column)).arg(count.Count);
        total += count.Count;
    }
    return Texts::tr("Komórki kolumn rodzajów danych, które nie zawierają liczb: %1 (razem %2). Obliczenia przyjmą "
                     "za nie wartości domyślne; sprawdź separator dziesiętny w opcjach wczytywania.")
        .arg(columns.join(QStringLiteral(", ")))
        .arg(total);
}
