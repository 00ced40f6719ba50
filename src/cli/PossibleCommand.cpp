#include "cli/CliUserInterface.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "core/calc/CalcChoices.h"

#include "core/data/DataManager.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>
#include <QJsonArray>

#include <cstdio>

// possible (--have a,b,c | IN...): the kinds that can be computed from the kinds named, or from
// those bound to the columns of the files.
int RunPossible(CommandContext& context)
{
    const bool named = context.parser.isSet(QStringLiteral("have"));
    if (named == !context.arguments.isEmpty())
        return Usage(QStringLiteral("possible needs either --have or input files"));
    if (named && (context.parser.isSet(QStringLiteral("data-sep")) || context.parser.isSet(QStringLiteral("dec-sep"))))
        return Usage(QStringLiteral("--data-sep and --dec-sep go with input files"));

    KindFlags have{};
    if (named) {
        for (const QString& name :
             context.parser.value(QStringLiteral("have")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const TAbstractData* data = context.kinds.FindByName(name.trimmed());
            if (!data) {
                context.ui.ShowMessage(QStringLiteral("salvento-cli: %1: no such data kind").arg(name),
                                       UserInterface::Icon::Error);
                return ExitFileError;
            }
            have[std::size_t(data->Id)] = true;
        }
    } else {
        TableSet tables;
        for (const QString& path : context.arguments) {
            TTable* table = OpenInput(context, tables, path);
            if (!table)
                return OpenFailed(context);
            table->MarkKindsPresent(have);
        }
    }

    KindFlags possible{};
    if (context.kinds.ComputePossible(have, possible) == 0) {
        context.ui.ShowMessage(NothingComputableText(), UserInterface::Icon::Error);
        return ExitFileError;
    }
    QStringList names;
    context.kinds.AddNamesWhere(names, possible);
    if (context.parser.isSet(QStringLiteral("json"))) {
        PrintJson({{QStringLiteral("possible"), QJsonArray::fromStringList(names)}});
        return ExitOk;
    }
    std::fputs((names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
    return ExitOk;
}
