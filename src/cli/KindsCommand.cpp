#include "cli/Commands.h"

#include "core/data/DataManager.h"

#include <cstdio>

namespace {

QString ConfigNumber(float value)
{
    return value == NoValue ? QString() : FormatNumber(value, 2);
}

}   // namespace

// kinds: one line per data kind with its identifier, short name, Name, integer and textual flags,
// minimum, maximum, default and typical value (empty when none).
int RunKinds(CommandContext& context)
{
    if (!context.arguments.isEmpty())
        return Usage(QStringLiteral("kinds takes no arguments"));
    for (int id = 0; id < kind::Count; ++id) {
        const TAbstractData& data = *context.kinds.GetById(id);
        const QStringList fields{QString::number(data.Id),
                                 data.ShortName,
                                 data.Name,
                                 data.IsInteger ? QStringLiteral("1") : QStringLiteral("0"),
                                 data.IsTextual ? QStringLiteral("1") : QStringLiteral("0"),
                                 ConfigNumber(data.Minimum),
                                 ConfigNumber(data.Maximum),
                                 ConfigNumber(data.DefaultValue),
                                 ConfigNumber(data.TypicalValue)};
        std::fputs((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8().constData(), stdout);
    }
    return ExitOk;
}
