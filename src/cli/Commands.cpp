#include "cli/Commands.h"

#include "cli/CliUserInterface.h"

#include "core/table/OpenDataFile.h"
#include "core/table/RecentFiles.h"

TTable* OpenInput(CommandContext& context, TableSet& tables, const QString& path)
{
    RecentFiles recent;
    return OpenDataFile(path, tables, nullptr, context.kinds, context.ui, recent);
}

int OpenFailed(const CommandContext& context)
{
    return context.ui.optionsRefused ? ExitUsage : ExitFileError;
}
