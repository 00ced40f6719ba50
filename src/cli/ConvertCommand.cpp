#include "cli/CliUserInterface.h"
#include "cli/Commands.h"

#include "core/table/DataFile.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>

// convert IN OUT: opens IN as the Open command would, with the load dialog's defaults or what
// --data-sep and --dec-sep say, and saves the table to OUT (- for standard input and output).
int RunConvert(CommandContext& context)
{
    if (context.arguments.size() != 2)
        return Usage(QStringLiteral("convert needs IN and OUT"));

    TableSet tables;
    TTable* table = OpenInput(context, tables, context.arguments[0]);
    if (!table)
        return OpenFailed(context);
    return WriteOutput(context, *table, context.arguments[1]);
}
