#include "core/search/SearchColumn.h"

#include "core/base/UserInterface.h"
#include "core/table/TableSet.h"

#include <QCoreApplication>

std::optional<TFoundColumn> SearchColumn(const TableSet& tables, const TTable& active, int currentCol,
                                         const QString& name, UserInterface& ui)
{
    int start = 0;
    while (start < tables.Count() && tables.At(start) != &active)
        ++start;
    Q_ASSERT(start < tables.Count());

    int w = start;
    bool first = true;
    for (;;) {
        TTable* table = tables.At(w);
        for (int c = w == start && first ? currentCol + 1 : 1; c < table->ColCount(); ++c)
            if (table->HeaderText(c).compare(name, Qt::CaseInsensitive) == 0)
                return TFoundColumn{table, c};
        w = (w + 1) % tables.Count();
        if (w == start) {
            if (!first)
                break;
            first = false;
        }
    }
    ui.ShowMessage(QCoreApplication::translate("SearchColumn",
                                               "Kolumna o podanej nazwie nie została znaleziona w żadnej tabeli !"),
                   UserInterface::Icon::Error);
    return std::nullopt;
}
