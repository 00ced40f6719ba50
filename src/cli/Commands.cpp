#include "cli/Commands.h"

#include "cli/CliUserInterface.h"

#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"
#include "core/table/TextCells.h"

TTable* OpenInput(CommandContext& context, TableSet& tables, const QString& path)
{
    RecentFiles recent;
    TTable* table = OpenDataFile(path, tables, nullptr, context.kinds, context.ui, recent);
    if (table)
        if (const QString report = TextCellsReport(*table, CountTextCells(*table)); !report.isEmpty())
            context.ui.ShowReport(report);
    return table;
}

int OpenFailed(const CommandContext& context)
{
    return context.ui.optionsRefused ? ExitUsage : ExitFileError;
}
