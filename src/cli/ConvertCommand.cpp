#include "CliUserInterface.h"
#include "Commands.h"

#include "table/DataFile.h"
#include "table/OpenDataFile.h"
#include "table/RecentFiles.h"
#include "table/TableSet.h"

#include <QCommandLineParser>

// convert IN OUT: opens IN as the Open command would, with the load dialog's defaults or what
// --data-sep and --dec-sep say, and saves the table to OUT.
int RunConvert(CommandContext& context)
{
    if (context.arguments.size() != 2)
        return Usage(QStringLiteral("convert needs IN and OUT"));
    context.ui.dataSeparator = context.parser.value(QStringLiteral("data-sep"));
    context.ui.decimalSeparator = context.parser.value(QStringLiteral("dec-sep"));

    TableSet tables;
    RecentFiles recent;
    TTable* table = OpenDataFile(context.arguments[0], tables, nullptr, context.kinds, context.ui, recent);
    if (!table)
        return context.ui.optionsRefused ? ExitUsage : ExitFileError;
    return SaveTableAs(*table, context.arguments[1], context.ui) ? ExitOk : ExitFileError;
}
